#include "dialog/control_table.h"

#define NO_TEXT nullptr
#define SETUP_CONTROL(id, kind, text, x, y, w, h, start, tab) \
  {id, Kind_##kind, text, x, y, w, h, Start_##start, tab == Tab_TAB},

namespace {
constexpr ControlKind Kind_PUSH = ControlKind::kPushButton;
constexpr ControlKind Kind_PUSH_MULTILINE = ControlKind::kMultilinePushButton;
constexpr ControlKind Kind_CHECK = ControlKind::kCheckBox;
constexpr ControlKind Kind_GROUP = ControlKind::kGroupBox;
constexpr ControlKind Kind_LABEL = ControlKind::kLabel;
constexpr ControlKind Kind_EDIT = ControlKind::kEdit;
constexpr ControlKind Kind_READONLY_EDIT = ControlKind::kReadOnlyEdit;
constexpr ControlKind Kind_DROPDOWN = ControlKind::kDropDownList;
constexpr ControlKind Kind_PROGRESS = ControlKind::kProgressBar;
constexpr ControlKind Kind_IPADDRESS = ControlKind::kIpAddress;
constexpr StartState Start_SHOWN = StartState::kShown;
constexpr StartState Start_HIDDEN = StartState::kHidden;
constexpr StartState Start_PANEL = StartState::kPanel;
enum { Tab_TAB, Tab_NOTAB };
constexpr int TAB = Tab_TAB;
constexpr int NOTAB = Tab_NOTAB;
}  // namespace

const TemplateControl kSetupControls[] = {
#include "dialog/setup_controls.def"
};

const int kSetupControlCount = sizeof kSetupControls / sizeof kSetupControls[0];

const char kSetupTemplateCaption[] = "Printer Driver Setup";

const DialogTemplate kSetupDialogTemplate = {kSetupDialogId, kSetupTemplateCaption, kSetupControls,
                                             kSetupControlCount};
