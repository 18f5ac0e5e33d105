#include "install/install_messages.h"

const char kPackageMissing[] = "Driver dosen't match your OS version.";
const UiText kReplacePrinter = {
    "같은 이름의 드라이버가 이미 설치되어 있습니다..\n기존 드라이버를 삭제하시겠습니까?",
    "Already, same driver is installed.\nReplace old driver with new driver?"};
const UiText kInstallCanceled = {"드라이버 설치가 취소되었습니다.", "Driver install is canceled."};
const char kCannotDeleteFormat[] = "Can't delete driver (Error No. %u)";
const UiText kBlankAddressQuestion = {
    "TCP/IP포트 설정은 되어 있으나 주소가 지정되어 있지\n\n않아 [LPT1:]포트로 자동 설정됩니다. "
    "계속하시겠습니까?",
    "Although TCP/IP port is checked, you don't write down IP Address\n\nSo LTP port is set up "
    "automatically. Do you want to continue?"};
const char kCreateProcessFailed[] = "CreateProcess() failed: ";
const char kWaitFailed[] = "WaitForSingleObject() failed";
const char kDriverRefusedFormat[] = "Install Printer Driver error...\n\nError Code (%u)";
const char kPrinterRefusedFormat[] = "Error Code (%u)";
const UiText kInstallCompleted = {"드라이버 설치가 완료되었습니다", "Sucessfully install completed"};
