// Backups, their index and removal, with the registry editor replaced by a runner of the test's
// own (reg_backup_regedit_test runs the real one).
#include "registry/reg_backup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/child_process.h"
#include "base/files.h"
#include "base/ini_file.h"
#include "base/sha256.h"
#include "base/strings.h"
#include "base/system_programs.h"
#include "tests/base/host_files.h"
#include "tests/base/test_files.h"
#include "tests/base/test_folder.h"
#include "tests/base/test_program_folder.h"

namespace {

class RegBackupTest : public ::testing::Test {
 protected:
  ~RegBackupTest() override { SetChildProcessRunnerForTesting(nullptr); }

  // The editor "runs": records its command line, writes Bytes into the file named after /e (when
  // given) and ends with ExitCode; Started false means it could not be started.
  void FakeEditor(bool Started, DWORD ExitCode, const char* Bytes) {
    SetChildProcessRunnerForTesting([this, Started, ExitCode, Bytes](const TChildRun& Run, DWORD& Code) {
      const std::wstring& CommandLine = Run.CommandLine;
      CommandLines.push_back(CommandLine);
      if (!Started) return false;
      const size_t at = CommandLine.find(L" /e \"");
      if (Bytes && at != std::wstring::npos) WriteBytes(CommandLine.substr(at + 5, CommandLine.size() - at - 6), Bytes);
      Code = ExitCode;
      return true;
    });
  }
  // The registry editor by its full path in the Windows folder.
  static std::wstring Editor() { return L"\"" + WindowsFolder() + L"\\regedit.exe\""; }
  std::wstring Index(const std::wstring& Key) const {
    return TIniFile(Program.Path() + L"Registry.ini").ReadString(L"RegBackupFiles", Key, L"<none>");
  }
  std::wstring Seal(const std::wstring& FileName) const {
    return TIniFile(Program.Path() + L"Registry.ini").ReadString(L"RegBackupChecks", FileName, L"<none>");
  }

  TestProgramFolder Program;
  std::vector<std::wstring> CommandLines;
  const TDateTime Time = EncodeDate(2009, 11, 23) + EncodeTime(17, 41, 5, 0);
};

TEST_F(RegBackupTest, ABackupCreatesItsFoldersExportsTheWholeRegistryAndIsIndexed) {
  FakeEditor(true, 0, "REGEDIT4\r\n");
  std::wstring name;
  ASSERT_TRUE(TakeRegistryBackup(Time, name));
  EXPECT_EQ(name, L"20091123174105.reg");
  const std::wstring file = Program.Path() + L"Backup\\Registry\\20091123174105.reg";
  EXPECT_EQ(CommandLines, std::vector<std::wstring>{Editor() + L" /e \"" + file + L"\""});
  EXPECT_EQ(ReadBytes(file), "REGEDIT4\r\n");
  EXPECT_EQ(Index(L"20091123174105"), name);
  EXPECT_EQ(Seal(name), L"10," + Sha256Hex("REGEDIT4\r\n"));
}

// A backup that did not happen is reported as failed and never indexed, whatever went wrong.
TEST_F(RegBackupTest, AFailedExportIsNotIndexed) {
  struct Case {
    const char* what;
    bool started;
    DWORD exitCode;
    const char* bytes;
  };
  const Case cases[] = {
      {"editor not started", false, 0, "REGEDIT4\r\n"},
      {"editor failed", true, 1, "REGEDIT4\r\n"},
      {"no file left", true, 0, nullptr},
      {"empty file left", true, 0, ""},
      {"file cut off", true, 0, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n\"V\"=\"a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeEditor(c.started, c.exitCode, c.bytes);
    std::wstring name;
    EXPECT_FALSE(TakeRegistryBackup(Time, name));
    EXPECT_EQ(Index(L"20091123174105"), L"<none>");
  }
}

// Two backups in the same second: the second replaces the file (an old one is removed before the
// export, so a failed second export cannot pass off the first as its own) and the index line.
TEST_F(RegBackupTest, ASecondBackupInTheSameSecondReplacesTheFirst) {
  FakeEditor(true, 0, "REGEDIT4\r\n;first\r\n");
  std::wstring name;
  ASSERT_TRUE(TakeRegistryBackup(Time, name));
  FakeEditor(true, 0, nullptr);
  EXPECT_FALSE(TakeRegistryBackup(Time, name));
  EXPECT_EQ(ReadBytes(Program.Path() + L"Backup\\Registry\\" + name), "<missing>");
  FakeEditor(true, 0, "REGEDIT4\r\n;second\r\n");
  ASSERT_TRUE(TakeRegistryBackup(Time, name));
  EXPECT_EQ(ReadBytes(Program.Path() + L"Backup\\Registry\\" + name), "REGEDIT4\r\n;second\r\n");
  EXPECT_EQ(Index(L"20091123174105"), name);
}

TEST_F(RegBackupTest, ARestoreImportsTheBackupSilently) {
  ASSERT_TRUE(ForceDirectories(RegBackupFolder()));
  // The editor writes UTF-16 with a byte order mark; older files are ANSI.
  const std::wstring header = L"Windows Registry Editor Version 5.00\r\n";
  Program.WriteFile(L"Backup\\Registry\\20091123174105.reg",
                    "\xFF\xFE" + std::string(reinterpret_cast<const char*>(header.data()), header.size() * 2));
  Program.WriteFile(L"Backup\\Registry\\old.reg", "REGEDIT4\r\n");
  FakeEditor(true, 0, nullptr);
  EXPECT_EQ(ImportRegistry(L"old.reg").Status, TRegImportStatus::Done);
  CommandLines.clear();
  EXPECT_EQ(ImportRegistry(L"20091123174105.reg").Status, TRegImportStatus::Done);
  EXPECT_EQ(CommandLines, std::vector<std::wstring>{Editor() + L" /s \"" + Program.Path() +
                                                    L"Backup\\Registry\\20091123174105.reg\""});
}

TEST_F(RegBackupTest, ARestoreThatCannotHappenReportsFailure) {
  ASSERT_TRUE(ForceDirectories(RegBackupFolder()));
  Program.WriteFile(L"Backup\\Registry\\b.reg", "REGEDIT4\r\n");
  Program.WriteFile(L"Backup\\b.reg", "REGEDIT4\r\n");
  Program.WriteFile(L"Backup\\Registry\\notes.reg", "a text file\r\n");
  // Cut off in the middle of a value's bytes, as a full disk or a copy stopped halfway leaves it.
  Program.WriteFile(L"Backup\\Registry\\cut.reg", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\QsCut]\r\n\"V\"=hex:01,02,\\\r\n");
  struct Case {
    const char* what;
    const wchar_t* name;
    bool started;
    DWORD exitCode;
    TRegImportStatus status;
  };
  const Case cases[] = {
      {"file gone", L"gone.reg", true, 0, TRegImportStatus::Refused},
      {"not a plain name", L"..\\b.reg", true, 0, TRegImportStatus::Refused},
      {"not a registry file", L"notes.reg", true, 0, TRegImportStatus::Refused},
      {"cut off", L"cut.reg", true, 0, TRegImportStatus::Refused},
      {"editor not started", L"b.reg", false, 0, TRegImportStatus::EditorFailed},
      {"editor failed", L"b.reg", true, 2, TRegImportStatus::EditorFailed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CommandLines.clear();
    FakeEditor(c.started, c.exitCode, nullptr);
    const TRegImportResult result = ImportRegistry(c.name);
    EXPECT_EQ(result.Status, c.status);
    EXPECT_FALSE(RegImportFailureText(result).empty());
    // A file that is refused never reaches the editor.
    EXPECT_EQ(CommandLines.size(), c.status == TRegImportStatus::Refused ? 0u : 1u);
  }
}

// A backup the program made is imported only while it is the file the export wrote: a file cut
// exactly after a section still parses, and only its recorded size and digest show the cut.
// Backups listed by older versions have no such record and are checked by their parse alone.
TEST_F(RegBackupTest, ARestoreChecksTheRecordedSizeAndDigest) {
  const std::string first = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n\r\n";
  const std::string whole = first + "[HKEY_CURRENT_USER\\Software\\QsSealed]\r\n\"V\"=\"x\"\r\n\r\n";
  std::string changed = whole;
  changed[changed.size() - 6] = 'y';
  struct Case {
    const char* what;
    std::string bytes;  // the file at restore time
    const char* seal;   // the recorded line, when replaced (nullptr: as the backup wrote it)
    bool imported;
  };
  const Case cases[] = {
      {"as written", whole, nullptr, true},
      {"cut after a section", first, nullptr, false},
      {"same size, one byte changed", changed, nullptr, false},
      {"longer", whole + "\r\n", nullptr, false},
      {"record unreadable", whole, "12,not-a-digest", false},
      {"record without a digest", whole, "12", false},
      {"older entry without a record", first, "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeEditor(true, 0, whole.c_str());
    std::wstring name;
    ASSERT_TRUE(TakeRegistryBackup(Time, name));
    if (c.seal) TIniFile(Program.Path() + L"Registry.ini").WriteString(L"RegBackupChecks", name, Utf8ToWide(c.seal));
    if (c.seal && !*c.seal) TIniFile(Program.Path() + L"Registry.ini").DeleteKey(L"RegBackupChecks", name);
    Program.WriteFile(L"Backup\\Registry\\" + name, c.bytes);
    CommandLines.clear();
    const TRegImportResult result = ImportRegistry(name);
    EXPECT_EQ(CommandLines.size(), c.imported ? 1u : 0u);
    if (!c.imported) {
      EXPECT_EQ(result.Status, TRegImportStatus::Refused);
      EXPECT_NE(RegImportFailureText(result).find(L"Nothing was imported"), std::wstring::npos);
    }
  }
  // Removing the backup takes its record along.
  RemoveRegBackup(LoadRegBackupList().at(0));
  EXPECT_EQ(Seal(L"20091123174105.reg"), L"<none>");
}

TEST(RegBackupSeal, RecordsAreReadBackAsWritten) {
  TRegFileSeal seal{1234567890123ull, Sha256Hex("x")};
  TRegFileSeal read;
  ASSERT_TRUE(ParseRegBackupSeal(FormatRegBackupSeal(seal), read));
  EXPECT_EQ(read.Size, seal.Size);
  EXPECT_EQ(read.Sha256, seal.Sha256);
  for (const wchar_t* bad : {L"", L"12", L",abc", L"-1," , L"1x,0", L"99999999999999999999,0"})
    EXPECT_FALSE(ParseRegBackupSeal(bad + std::wstring(L"2d711642b726b04401627ca9fbac32f5c8530fb1903cc4db02258717921a4881"), read)) << bad;
  EXPECT_FALSE(ParseRegBackupSeal(L"12,2d711642b726b04401627ca9fbac32f5c8530fb1903cc4db02258717921a488", read));
  EXPECT_FALSE(ParseRegBackupSeal(L"12,2d711642b726b04401627ca9fbac32f5c8530fb1903cc4db02258717921a488g", read));
}

TEST_F(RegBackupTest, TheListIsReadInFileOrderWithTrimmedNames) {
  Program.WriteFile(L"Registry.ini",
                    "[RegBackupFiles]\r\n20091123174105=  20091123174105.reg  \r\n20080101000000=20080101000000.reg\r\n");
  std::vector<TRegBackupEntry> list = LoadRegBackupList();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].Key, L"20091123174105");
  EXPECT_EQ(list[0].FileName, L"20091123174105.reg");
  EXPECT_EQ(list[1].Key, L"20080101000000");
}

// Remove deletes the row's own file inside the backup folder and the row's own index line; a name
// from the index that would reach outside the folder deletes no file at all.
TEST_F(RegBackupTest, RemoveTouchesOnlyItsOwnFileAndLine) {
  ASSERT_TRUE(ForceDirectories(RegBackupFolder() + L"sub"));
  const std::string ini =
      "[RegBackupFiles]\r\n"
      "20091123174105=20091123174105.reg\r\n"
      "20100101000000=..\\keep.reg\r\n"
      "20100101000001=sub\\keep.reg\r\n"
      "20100101000002=" + WideToUtf8(Program.Path()) + "keep.reg\r\n"
      "20100101000003=20091123174105.reg\r\n";
  Program.WriteFile(L"Registry.ini", ini);
  Program.WriteFile(L"Backup\\Registry\\20091123174105.reg", "x");
  Program.WriteFile(L"Backup\\keep.reg", "x");
  Program.WriteFile(L"Backup\\Registry\\sub\\keep.reg", "x");
  Program.WriteFile(L"keep.reg", "x");

  std::vector<TRegBackupEntry> list = LoadRegBackupList();
  ASSERT_EQ(list.size(), 5u);
  for (size_t i = 1; i <= 3; ++i) EXPECT_TRUE(RemoveRegBackup(list[i]));
  EXPECT_TRUE(FileExists(Program.Path() + L"Backup\\keep.reg"));
  EXPECT_TRUE(FileExists(Program.Path() + L"Backup\\Registry\\sub\\keep.reg"));
  EXPECT_TRUE(FileExists(Program.Path() + L"keep.reg"));

  // The last line names the first line's file but has a key of its own: only that key goes, and
  // the file stays for the first line.
  EXPECT_TRUE(RemoveRegBackup(list[4]));
  EXPECT_TRUE(FileExists(Program.Path() + L"Backup\\Registry\\20091123174105.reg"));
  std::vector<TRegBackupEntry> left = LoadRegBackupList();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].Key, L"20091123174105");
  // The last line that names it takes the file with it.
  EXPECT_TRUE(RemoveRegBackup(left[0]));
  EXPECT_FALSE(FileExists(Program.Path() + L"Backup\\Registry\\20091123174105.reg"));
  EXPECT_TRUE(LoadRegBackupList().empty());
  // A row whose file is already gone still removes its line.
  Program.WriteFile(L"Registry.ini", "[RegBackupFiles]\r\n20120101000000=20120101000000.reg\r\n");
  EXPECT_TRUE(RemoveRegBackup(LoadRegBackupList().at(0)));
  EXPECT_TRUE(LoadRegBackupList().empty());
}

// A link in a backup's place is removed at most, never what it points to.
TEST_F(RegBackupTest, RemovingABackupNeverDeletesWhatALinkPointsTo) {
  TestFolder outside;
  WriteBytes(outside.Path() + L"precious.doc", "precious");
  ASSERT_TRUE(ForceDirectories(RegBackupFolder()));
  Program.WriteFile(L"Registry.ini", "[RegBackupFiles]\r\n20120101000000=20120101000000.reg\r\n");
  const std::wstring link = RegBackupFolder() + L"20120101000000.reg";
  ASSERT_TRUE(MakeHostLink(link, outside.Path() + L"precious.doc")) << "the host's ln could not be started";
  EXPECT_FALSE(RemoveRegBackup(LoadRegBackupList().at(0)));
  EXPECT_EQ(ReadBytes(outside.Path() + L"precious.doc"), "precious");
  RemoveHostLink(link);
}

TEST(RegBackupNames, RowTextsAndStamps) {
  EXPECT_EQ(FormatBackupName(L"20091123174105.reg"), L"Monday,November 23,2009-17:41");
  EXPECT_EQ(FormatBackupName(L"20240229000000.reg"), L"Thursday,February 29,2024-00:00");
  EXPECT_EQ(FormatBackupName(L"20091323174105.reg"), L"20091323174105.reg");  // no 13th month
  EXPECT_EQ(FormatBackupName(L"backup.reg"), L"backup.reg");
  EXPECT_EQ(FormatBackupName(L""), L"");
  EXPECT_EQ(RegBackupStamp(EncodeDate(2009, 1, 2) + EncodeTime(3, 4, 5, 0)), L"20090102030405");
}

}  // namespace
