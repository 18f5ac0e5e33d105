#include "environment/detect_environment.h"

#include "environment/ui_text.h"
#include "platform/dialog_view.h"
#include "platform/message_box.h"
#include "platform/processes.h"
#include "platform/system_info.h"

namespace {
const int kOsNameEdit = 1000;
const char kNotSupportedVersion[] = "Not supported OS version";
const UiText kNotSupportedPlatform = {"지원하지 않는 플랫폼입니다. ", "This platform is not supported. "};
}  // namespace

bool DetectEnvironment(SystemInfo& system, ProcessRunner& processes, DialogView& view,
                       SetupEnvironment* environment) {
  VersionReport version = system.Version();
  environment->os_version_code = ClassifyOsVersion(version.platform_id, version.major,
                                                   version.minor, version.csd_version);
  if (IsRefusedOsVersion(environment->os_version_code)) {
    view.MessageBox(kNotSupportedVersion, nullptr, kMbOk);
    view.RequestClose();
  }

  environment->ui_language = ClassifyUiLanguage(system.SystemDefaultLanguage());

  environment->architecture = system.ProcessorArchitecture();
  if (!IsSupportedArchitecture(environment->architecture)) {
    view.MessageBox(kNotSupportedPlatform.For(environment->ui_language), nullptr, kMbOk);
    processes.ExitProcess(0);
    return false;
  }

  OsDescription description = DescribeOsVersion(environment->os_version_code);
  view.SetText(kOsNameEdit, description.display_name);
  environment->os_family = description.family;
  return true;
}
