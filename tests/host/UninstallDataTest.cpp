#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "Localization.h"
#include "SharedStructuresInstUninst.h"
#include "Uninstaller.Data.h"

namespace {

void Parse(const std::string& bytes) { ParseUninstallData(bytes.data(), bytes.size()); }

std::string Fixture(const char* name) {
    std::ifstream in(std::string(KW_FIXTURE_DIR) + "/" + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

template <class T>
const T& DetailsOf(const TaskItem& item) {
    return *static_cast<const T*>(item.Details);
}

TEST(UninstallData, RealisticUtf8ProductLoadsIntoEveryRecord) {
    std::string file = Fixture("product_utf8.dat");
    ASSERT_FALSE(file.empty());
    Parse(file);

    const UninstallConfigRecord& c = UninstallConfig;
    EXPECT_STREQ(c.ProgramName.c_str(), "Caf\xE9 Tool");
    EXPECT_EQ(c.ProgramName.Length(), 9u);
    EXPECT_STREQ(c.ProgramVersion.c_str(), "2.5");
    EXPECT_EQ(c.CreateAddRemoveEntry, 1);
    EXPECT_STREQ(c.AddRemoveEntryName.c_str(), "CafeTool_is1");
    EXPECT_STREQ(c.AddRemoveProgramName.c_str(), "Caf\xE9 Tool 2.5");
    EXPECT_STREQ(c.AddRemoveProgramVersion.c_str(), "2.5");
    EXPECT_EQ(c.AddRemoveForAllUsers, 1);
    EXPECT_EQ(c.RebootRequired, 0);
    EXPECT_STREQ(c.UserThatInstalled.c_str(), "Alice");
    EXPECT_EQ(c.CanBeUninstalledByOthers, 0);
    EXPECT_EQ(c.UninstCheckForInstances, 1);
    EXPECT_EQ(LangIsRTL, 0);

    EXPECT_EQ(LocalizedTextCount(), 17);
    EXPECT_STREQ(GetLocalizedText(2).c_str(), "Caf\xE9 Tool was removed.\r\nThank you.");
    EXPECT_STREQ(GetLocalizedText(7).c_str(), "Uninstall Caf\xE9 Tool 2.5");
    EXPECT_STREQ(GetLocalizedText(8).c_str(),
                 "Remove Caf\xE9 Tool ? now?");  // U+2603 is past U+00FF
    EXPECT_STREQ(GetLocalizedText(17).c_str(), "Installed by $P, not $Q.");

    ASSERT_EQ(CloseItemsList.Count(), 4u);
    EXPECT_EQ(CloseItemsList[0].Kind, MutexDetailsKind);
    EXPECT_STREQ(static_cast<CloseItemMutexDetails*>(CloseItemsList[0].Details)->MutexName.c_str(),
                 "CafeToolMutex");
    auto* window = static_cast<CloseItemWindowDetails*>(CloseItemsList[1].Details);
    ASSERT_EQ(CloseItemsList[1].Kind, WindowDetailsKind);  // [close2] matches Close2
    EXPECT_STREQ(window->WindowName.c_str(), "Caf\xE9 Tool");
    EXPECT_STREQ(window->WindowClass.c_str(), "CafeToolWnd");
    EXPECT_EQ(window->MatchExactly, 1);
    EXPECT_EQ(CloseItemsList[2].ID, 16);
    EXPECT_STREQ(
        static_cast<CloseItemProcessDetails*>(CloseItemsList[2].Details)->ProcessName.c_str(),
        "cafetool.exe");
    EXPECT_EQ(CloseItemsList[3].Type, 9);
    EXPECT_EQ(CloseItemsList[3].Details, nullptr);

    ASSERT_EQ(DoneTasksList.Count(), 8u);
    EXPECT_EQ(DoneTasksList[0].Details, nullptr);
    const auto& value = DetailsOf<RegistryValueDetails>(DoneTasksList[1]);
    EXPECT_EQ(value.BaseKey, 0x100000000LL);  // all 64 bits kept
    EXPECT_STREQ(value.KeyPath.c_str(), "Software\\Cafe");
    EXPECT_STREQ(value.ValueName.c_str(), "Path");
    const auto& association = DetailsOf<FileAssociationDetails>(DoneTasksList[2]);
    EXPECT_STREQ(association.ProgramKey.c_str(), "CafeTool.Document");
    EXPECT_STREQ(association.Extension.c_str(), ".cafe");
    EXPECT_EQ(association.ForAll, 1);
    EXPECT_STREQ(DetailsOf<DllRegistrationDetails>(DoneTasksList[3]).DLLPath.c_str(),
                 "C:\\Program Files\\Caf\xE9 Tool\\shell.dll");
    EXPECT_STREQ(DetailsOf<EnvironmentVariableDetails>(DoneTasksList[4]).VariableName.c_str(),
                 "CAFE_HOME");
    EXPECT_STREQ(DetailsOf<IniGroupDetails>(DoneTasksList[5]).GroupName.c_str(), "Cafe");
    EXPECT_STREQ(DetailsOf<IniGroupDetails>(DoneTasksList[5]).IniPath.c_str(),
                 "C:\\Windows\\win.ini");
    const auto& iniValue = DetailsOf<IniValueDetails>(DoneTasksList[6]);
    EXPECT_STREQ(iniValue.IniPath.c_str(), "C:\\Windows\\system.ini");
    EXPECT_STREQ(iniValue.Group.c_str(), "Drivers");
    EXPECT_STREQ(iniValue.ValueName.c_str(), "cafe");
    EXPECT_EQ(DoneTasksList[7].Type, 42);
    EXPECT_EQ(DoneTasksList[7].Details, nullptr);
    for (size_t i = 0; i < DoneTasksList.Count(); i++) {
        for (int f = 0; f < TaskOSFlagCount; f++) EXPECT_EQ(DoneTasksList[i].OSFlags[f], 0);
    }

    ASSERT_EQ(UninstallerTasksList.Count(), 9u);
    for (int f = 0; f < TaskOSFlagCount; f++) EXPECT_EQ(UninstallerTasksList[0].OSFlags[f], f + 1);
    const auto& run = DetailsOf<RunProgramDetails>(UninstallerTasksList[0]);
    EXPECT_STREQ(run.ProgramPath.c_str(), "C:\\Program Files\\Caf\xE9 Tool\\cleanup.exe");
    EXPECT_STREQ(run.CommandLine.c_str(), "/silent /all");
    EXPECT_EQ(run.RunMode, 1);
    EXPECT_EQ(run.RunHidden, 1);
    EXPECT_EQ(run.WaitUntilQuit, 1);
    EXPECT_EQ(run.RunForUser, 0);
    EXPECT_EQ(UninstallerTasksList[1].Details, nullptr);
    const auto& deleteValue = DetailsOf<RegistryValueDetails>(UninstallerTasksList[2]);
    EXPECT_EQ(deleteValue.BaseKey, 0);
    EXPECT_STREQ(deleteValue.KeyPath.c_str(), "Software\\Cafe");
    EXPECT_STREQ(deleteValue.ValueName.c_str(), "LastRun");
    EXPECT_STREQ(DetailsOf<FileCopyDetails>(UninstallerTasksList[3]).SourceFile.c_str(),
                 "C:\\a.txt");
    EXPECT_STREQ(DetailsOf<FileCopyDetails>(UninstallerTasksList[3]).DestinationFile.c_str(),
                 "C:\\b.txt");
    EXPECT_STREQ(DetailsOf<FilePathDetails>(UninstallerTasksList[4]).FilePath.c_str(),
                 "C:\\Program Files\\Caf\xE9 Tool\\cache.bin");
    for (int f = 0; f < TaskOSFlagCount; f++) EXPECT_EQ(UninstallerTasksList[4].OSFlags[f], 0);
    EXPECT_STREQ(DetailsOf<FolderCreateDetails>(UninstallerTasksList[5]).Address.c_str(),
                 "C:\\Cafe\\Kept");
    const auto& removeFolder = DetailsOf<FolderRemoveDetails>(UninstallerTasksList[6]);
    EXPECT_STREQ(removeFolder.Address.c_str(), "C:\\Cafe\\Temp");
    EXPECT_EQ(removeFolder.Recursive, 1);
    EXPECT_EQ(removeFolder.Force, 1);
    const auto& browser = DetailsOf<BrowserDetails>(UninstallerTasksList[7]);
    EXPECT_STREQ(browser.Address.c_str(), "www.example.com/goodbye");
    EXPECT_EQ(browser.RunForUser, 1);
    EXPECT_EQ(UninstallerTasksList[8].Details, nullptr);

    // Registry keys from both lists, in reading order.
    ASSERT_EQ(RegistryKeysList.Count(), 2u);
    EXPECT_EQ(RegistryKeysList[0].Root, RootLocalMachine);
    EXPECT_STREQ(RegistryKeysList[0].KeyPath.c_str(), "Software\\Cafe\\Tool");
    EXPECT_EQ(RegistryKeysList[0].Depth, 2);
    EXPECT_EQ(RegistryKeysList[0].ForceRemove, 0);
    EXPECT_EQ(RegistryKeysList[1].Root, RootCurrentUser);
    EXPECT_EQ(RegistryKeysList[1].Depth, 3);
    EXPECT_EQ(RegistryKeysList[1].ForceRemove, 1);

    ASSERT_EQ(CreatedFilesList.Count(), 2u);
    EXPECT_STREQ(CreatedFilesList[1].c_str(), "C:\\Program Files\\Caf\xE9 Tool\\readme.txt");
    ASSERT_EQ(CreatedFoldersList.Count(), 2u);
    EXPECT_STREQ(CreatedFoldersList[0].Path.c_str(), "C:\\Program Files\\Caf\xE9 Tool\\");
    EXPECT_EQ(CreatedFoldersList[0].Depth, 3);
    EXPECT_STREQ(CreatedFoldersList[1].Path.c_str(), "C:\\Program Files\\Caf\xE9 Tool\\Data\\");
    EXPECT_EQ(CreatedFoldersList[1].Depth, 4);

    ASSERT_EQ(LeaveFilesList.Count(), 2u);
    EXPECT_STREQ(LeaveFilesList[0].c_str(), "C:\\Program Files\\Caf\xE9 Tool\\user.cfg");
    EXPECT_STREQ(LeaveFilesList[1].c_str(), "C:\\Program Files\\Caf\xE9 Tool\\other.cfg");
    EXPECT_EQ(IsLeaveFile(" C:\\PROGRAM FILES\\Caf\xE9 TOOL\\User.Cfg "), 1);
    EXPECT_EQ(IsLeaveFile("C:\\Program Files\\Caf\xE9 Tool\\tool.exe"), 0);
}

TEST(UninstallData, LinesCommentsGroupsAndKeys) {
    Parse(
        "ProgramName=before any header\r"
        "  ; comment=1\n"
        "\t[UninstallerConfig] trailing text\r\n"
        "  ProgramName \t=  \t Tool  \t \n"
        "programname=second wins not\n"
        "ProgramVersion\n"          // no "=": ignored
        "ProgramVersion=1=2\r\r\n"  // value keeps later "=", CR CR LF is two line ends
        "[uninstallerconfig]\n"     // a second group of the same name is never read
        "LangIsRTL=1\n"
        "[LocalizationUninstall\n"  // no "]": the rest of the line names the group
        "a=one\n");
    EXPECT_STREQ(UninstallConfig.ProgramName.c_str(), "Tool");
    EXPECT_STREQ(UninstallConfig.ProgramVersion.c_str(), "1=2");
    EXPECT_EQ(LangIsRTL, 0);
    EXPECT_EQ(LocalizedTextCount(), 1);
    EXPECT_STREQ(GetLocalizedText(1).c_str(), "one");
}

TEST(UninstallData, KeysOfLargeGroupsAreFoundByNameAndTheFirstWins) {
    // Past a handful of keys a group is looked up through the index.
    std::string file = "[UninstallerConfig]\n";
    for (int i = 0; i < 40; i++) file += "Filler" + std::to_string(i) + "=x\n";
    file += "PROGRAMNAME=first\nRebootRequired=1\nprogramname=second\n";
    for (int i = 0; i < 40; i++) file += "More" + std::to_string(i) + "=y\n";
    file += "[LocalizationUninstall]\n";
    for (int i = 0; i < 40; i++) file += "ProgramName=text " + std::to_string(i) + "\n";
    Parse(file);
    EXPECT_STREQ(UninstallConfig.ProgramName.c_str(), "first");
    EXPECT_EQ(UninstallConfig.RebootRequired, 1);
    EXPECT_TRUE(UninstallConfig.ProgramVersion.IsEmpty());
    EXPECT_EQ(LocalizedTextCount(), 40);  // keys of another group do not mix in
    EXPECT_STREQ(GetLocalizedText(40).c_str(), "text 39");
}

TEST(UninstallData, TextNumbersFollowFileOrderNotKeyNames) {
    Parse("[LocalizationUninstall]\n2=second key\n1=first key\n3=third\n2=again\n");
    EXPECT_EQ(LocalizedTextCount(), 4);
    EXPECT_STREQ(GetLocalizedText(1).c_str(), "second key");
    EXPECT_STREQ(GetLocalizedText(4).c_str(), "again");
}

TEST(UninstallData, ItemFieldsAreTakenExactly) {
    Parse(
        "Type=3\nDLLPath=from before the first header\n"
        "[DoneTasks]\nItems=A,B, B,,\n"
        "[a]\nType=4\nVariableName=X\n"
        "[B]\nType=$2\nForAll=2x\n");
    ASSERT_EQ(DoneTasksList.Count(), 5u);
    EXPECT_EQ(DoneTasksList[0].Type, 4);
    EXPECT_EQ(DoneTasksList[1].Type, 2);
    EXPECT_EQ(static_cast<FileAssociationDetails*>(DoneTasksList[1].Details)->ForAll, 2);
    // " B" names no group: defaults, Type 0, a key entry with an empty path.
    EXPECT_EQ(DoneTasksList[2].Type, 0);
    // Empty fields select the part before the first header.
    EXPECT_EQ(DoneTasksList[3].Type, 3);
    EXPECT_STREQ(static_cast<DllRegistrationDetails*>(DoneTasksList[4].Details)->DLLPath.c_str(),
                 "from before the first header");
    ASSERT_EQ(RegistryKeysList.Count(), 1u);
    EXPECT_EQ(RegistryKeysList[0].Root, RootCurrentUser);
    EXPECT_STREQ(RegistryKeysList[0].KeyPath.c_str(), "");
}

TEST(UninstallData, TrailingCommaWithoutPreHeaderKeysGivesDefaults) {
    Parse("[UninstallerTasks]\nItems=A,\n[A]\nType=4\nFilePath=x\n");
    ASSERT_EQ(UninstallerTasksList.Count(), 2u);
    EXPECT_EQ(UninstallerTasksList[0].Type, 4);
    // Type 0 of the uninstaller tasks runs a program: details with defaults.
    EXPECT_EQ(UninstallerTasksList[1].Type, 0);
    ASSERT_EQ(UninstallerTasksList[1].Kind, RunProgramDetailsKind);
    EXPECT_TRUE(DetailsOf<RunProgramDetails>(UninstallerTasksList[1]).ProgramPath.IsEmpty());
}

TEST(UninstallData, RegistryRootsByBaseKey) {
    Parse(
        "[UninstallerTasks]\nItems=K0,K1,K2,K3\n"
        "[K0]\nType=1\nBaseKey=0\nKey=A\n"
        "[K1]\nType=1\nBaseKey=1\nKey=B\\C\n"
        "[K2]\nType=1\nBaseKey=2\nKey=D\n"
        "[K3]\nType=1\nBaseKey=$100000001\nKey=E\n");
    ASSERT_EQ(RegistryKeysList.Count(), 4u);
    EXPECT_EQ(RegistryKeysList[0].Root, RootCurrentUser);
    EXPECT_EQ(RegistryKeysList[1].Root, RootLocalMachine);
    EXPECT_EQ(RegistryKeysList[1].Depth, 1);
    EXPECT_EQ(RegistryKeysList[2].Root, 0) << "an unknown BaseKey names no root";
    EXPECT_EQ(RegistryKeysList[3].Root, 0) << "BaseKey keeps 64 bits: $100000001 is not 1";
}

TEST(UninstallData, AbsentGroupsGiveDefaults) {
    for (const std::string& file :
         {std::string(), std::string("\xEF\xBB\xBF"), std::string("no groups here")}) {
        Parse(file);
        EXPECT_TRUE(UninstallConfig.ProgramName.IsEmpty());
        EXPECT_EQ(UninstallConfig.CanBeUninstalledByOthers, 0);
        EXPECT_EQ(LocalizedTextCount(), 0);
        EXPECT_EQ(CloseItemsList.Count() + DoneTasksList.Count() + UninstallerTasksList.Count() +
                      CreatedFilesList.Count() + CreatedFoldersList.Count() +
                      LeaveFilesList.Count() + RegistryKeysList.Count(),
                  0u);
    }
}

TEST(UninstallData, AnsiFilesAreUsedUnchanged) {
    Parse("[UninstallerConfig]\nProgramName=Caf\xE9 \xC3\xA9\n");
    EXPECT_STREQ(UninstallConfig.ProgramName.c_str(), "Caf\xE9 \xC3\xA9");
}

TEST(UninstallData, Utf8GroupNamesAreFoundFromSingleByteNames) {
    // Items is decoded to single-byte text; the lookup encodes it back.
    Parse("\xEF\xBB\xBF[DoneTasks]\nItems=Caf\xC3\xA9\n[CAF\xC3\xA9]\nType=4\nVariableName=V\n");
    ASSERT_EQ(DoneTasksList.Count(), 1u);
    EXPECT_EQ(DoneTasksList[0].Type, 4);
}

struct DecodeCase {
    std::string In;
    std::string Out;
};

TEST(DecodeUtf8ToLatin1, ValidInvalidAndTruncated) {
    const DecodeCase cases[] = {
        {"abc", "abc"},
        {"\xC3\xA9", "\xE9"},
        {"\xC2\xA0", "\xA0"},
        {"\xC3\xBF", "\xFF"},
        {"\xC4\x80", "?"},          // U+0100
        {"\xE2\x98\x83", "?"},      // U+2603
        {"\xF0\x9F\x98\x80", "?"},  // U+1F600, one character
        {"\xC3", "?"},              // truncated
        {"\xE2\x98", "??"},         // truncated: each byte
        {"\x80", "?"},              // lone continuation
        {"\xC0\xAF", "??"},         // overlong
        {"\xED\xA0\x80", "???"},    // surrogate
        {"\xFF\xFE", "??"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
        {"\xC3\xA9\xC3", "\xE9?"},
    };
    for (const DecodeCase& c : cases) {
        String out = DecodeUtf8ToLatin1(c.In.data(), c.In.size());
        EXPECT_EQ(std::string(out.c_str(), out.Length()), c.Out)
            << "input of " << c.In.size() << " bytes";
    }
    String back = EncodeLatin1ToUtf8("Caf\xE9", 4);
    EXPECT_STREQ(back.c_str(), "Caf\xC3\xA9");
}

TEST(UninstallData, BadInputNeverFailsOrOverruns) {
    // Each of these runs under the sanitizers too.
    std::string junk;
    for (int i = 0; i < 70000; i++) junk += static_cast<char>((i * 7919) & 0xFF);
    Parse(junk);
    const char withNul[] = "[UninstallerConfig]\nProgramName=a\0b\n";
    Parse(std::string(withNul, sizeof(withNul) - 1));
    EXPECT_EQ(UninstallConfig.ProgramName.Length(), 3u);
    Parse("\xEF\xBB\xBF[UninstallerConfig]\nProgramName=\xE2\x98");
    EXPECT_STREQ(UninstallConfig.ProgramName.c_str(), "??");
    Parse("[UninstallerConfig]\nProgramName=" + std::string(1 << 20, 'x') + "\n");
    EXPECT_EQ(UninstallConfig.ProgramName.Length(), 1u << 20);
    Parse("[UninstallerConfig]\nRebootRequired=9999999999999999999999999999999999999999\n");
    EXPECT_EQ(UninstallConfig.RebootRequired,
              static_cast<int32_t>(TextToInteger32("9999999999999999999999999999999999999999")));
    std::string groups;
    for (int i = 0; i < 100000; i++) groups += "[G" + std::to_string(i) + "]\nType=1\n";
    Parse("[DoneTasks]\nItems=G99999,G0,G100000\n" + groups);
    ASSERT_EQ(DoneTasksList.Count(), 3u);
    EXPECT_EQ(DoneTasksList[0].Type, 1);
    EXPECT_EQ(DoneTasksList[2].Type, 0);
    Parse("Type=4\n[CloseItemsUninstaller]\nItems=" + std::string(100000, ',') + "\n");
    EXPECT_EQ(CloseItemsList.Count(), 100001u);
    Parse("[");
    Parse("=");
    Parse("[]\n=\n[");
}

TEST(RunModeTrailer, LittleEndianAndTheDriversMessages) {
    const unsigned char one[4] = {1, 0, 0, 0};
    const unsigned char two[4] = {2, 0, 0, 0};
    const unsigned char big[4] = {0, 0, 0, 1};
    const unsigned char all[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(RunModeTrailerFromBytes(one), 1);
    EXPECT_EQ(RunModeTrailerFromBytes(two), 2);
    EXPECT_EQ(RunModeTrailerFromBytes(big), 0x01000000);
    EXPECT_EQ(RunModeTrailerFromBytes(all), -1);
    EXPECT_EQ(RunModeTrailerProblem(TrailerRead, 0), nullptr);
    EXPECT_EQ(RunModeTrailerProblem(TrailerRead, 1), nullptr);
    const char* tampered =
        "This uninstaller has been tampered with. Uninstallation cannot continue.";
    EXPECT_STREQ(RunModeTrailerProblem(TrailerRead, 2), tampered);
    EXPECT_STREQ(RunModeTrailerProblem(TrailerRead, -1), tampered);
    EXPECT_STREQ(
        RunModeTrailerProblem(TrailerUnreadable, 0),
        "Error reading internal uninstallation configuration. This executable may not have "
        "the necessary permissions. Uninstallation cannot continue.");
}

}  // namespace
