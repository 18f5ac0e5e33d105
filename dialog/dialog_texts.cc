#include "dialog/dialog_texts.h"

const EnglishControlText kEnglishMainViewTexts[] = {
    {1010, "Printer Driver Install"},
    {1004, "O    S"},
    {1005, "Model"},
    {1002, "Set as a Default Printer"},
    {1003, "Open a Printer folder after installed"},
    {1006, "Set as a TCP/IP Port"},
    {1, "Install"},
    {2, "Exit"},
    {3, "Open Printer folder"},
    {4, "Advanced"},
};
const int kEnglishMainViewTextCount =
    sizeof kEnglishMainViewTexts / sizeof kEnglishMainViewTexts[0];

const EnglishControlText kEnglishPanelTexts[] = {
    {1012, "Make Install Diskette"},
    {1014, "Select  O S"},
    {1015, "Select Drive"},
    {1018, "Make Diskette"},
    {1013, "Copy Driver File"},
    {1025, "Select  O S"},
    {1019, "Folder files will be copied to"},
    {1021, "Browse"},
    {1022, "Copy"},
    {1023, "Back"},
    {1024, "Exit"},
};
const int kEnglishPanelTextCount = sizeof kEnglishPanelTexts / sizeof kEnglishPanelTexts[0];

const UiText kCaptionSuffix = {"   프린터 드라이버 설치", "   Printer Driver Install"};

const char kDiskettePrompt[] = "설치할 OS를 선택하시오";
const char kCopyPrompt[] = "사용할 OS를 선택하시오";

const char kDriveAEntry[] = "  Drive A:";
const char kDriveBEntry[] = "  Drive B:";
