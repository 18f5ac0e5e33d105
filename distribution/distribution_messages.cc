#include "distribution/distribution_messages.h"

const UiText kDisketteOsNotSelected = {"설치할 OS를 선택하지 않았습니다.\n\nOS를 선택해 주십시오.",
                                       "Didn't select OS.\n\nPlease select OS."};
const UiText kCopyOsNotSelected = {"사용할 OS를 선택하지 않았습니다.\n\nOS를 선택해 주십시오.",
                                   "Didn't select OS.\n\nPlease select OS."};
const UiText kNoMakeDiskIni = {"There is not 'MakeDisk.INI' file",
                               "There is not 'MakeDisk.INI' file"};
const UiText kNoSetupIni = {"There is not 'Setup.INI' file", "There is not 'Setup.INI' file"};
const UiText kNoDiskette = {"드라이브에 디스켓이 없습니다.\n\n디스켓을 넣어주십시오.",
                            "Not a diskette in Drive.\n\nPlease insert a diskette."};
const UiText kNoInstallFile = {"There is not install file.", "There is not install file."};
const UiText kFormatQuestion = {
    "디스켓의 용량이 부족합니다.\n\n디스켓을 포맷하시겠습니까?",
    "Not a sufficient space in a diskette.\n\nDo you want to format a diskette?"};
const UiText kDisketteCopyError = {"Copying files Error", "Copying files Error"};
const UiText kDisketteDone = {"디스켓 제작이 완료되었습니다.",
                              "Sucessfully making diskette completed"};
const UiText kSameDiskette = {
    "현재 플로피 디스켓에 드라이버 설치 프로그램이 있으므로\n\n드라이버 파일을 플로피 디스켓에 "
    "복사할 수 없습니다.",
    "There is a Driver Install program in current diskette drive.\n\nCan't copy driver files "
    "to current diskette drive."};
const UiText kCopyCanceled = {"Copying files is canceled", "Copying files is canceled"};
const UiText kCopyDone = {"드라이버 파일 복사가 완료됐습니다.",
                          "Sucessfully copying driver files completed"};
const UiText kBrowseTitle = {"드라이버 파일을 복사할 폴더를 선택하세요.",
                             "Select a target folder that driver files will be copied"};
const UiText kNoFloppyDrive = {
    "플로피 디스크 드라이브(A: 또는 B:)가 없습니다.\n\n설치 디스켓을 만들 수 없습니다.",
    "There is no floppy disk drive (A: or B:).\n\nCan't make an install diskette."};
const UiText kNamesTooLong = {
    "복사할 파일 이름이 너무 깁니다.\n\n설정 파일의 파일 이름을 확인해 주십시오.",
    "The names of the files to copy are too long.\n\nPlease check the file names in the "
    "configuration."};
const UiText kNoTargetFolder = {"드라이버 파일을 복사할 폴더를 입력하십시오.",
                                "Please enter the folder that driver files will be copied to."};
