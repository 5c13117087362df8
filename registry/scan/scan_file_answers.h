// What one scanner run asks about files, answered once and remembered for the rest of the run.
//
// A scan asks the same questions again and again: the same COM server file for thousands of
// classes, every folder of PATH for each bare program name of an Open-with list. Each question
// is a file-system look-up, and under Wine a miss reads the whole folder. So each folder of PATH,
// and the current folder for bare names, is listed once into a set of its file names (letter
// case ignored, short names included), and each other answer is kept by the exact path asked.
// A name the listing cannot answer for exactly as a look-up would (a device name, a trailing
// dot, characters beyond ASCII, a path too long) is still looked up, once.
#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class TScanFileAnswers {
 public:
  // Whether Path names a file (not a folder), as FileExists answers. A bare name is looked for
  // in the current folder, which is listed at the first such question.
  bool FileExists(const std::wstring& Path);
  // The first folder of PATH that holds the file FileName, with its trailing backslash, or the
  // empty text: PATH is read at the first question, and each of its folders listed then.
  std::wstring FindInSearchPath(const std::wstring& FileName);
  // Forgets every answer (the next scan asks again).
  void Clear();

 private:
  struct TFolder {
    std::wstring Path;                      // as asked, with a trailing backslash ("" the current folder)
    std::wstring FullPath;                  // the same in full
    bool Listed = false;                    // false: the folder could not be listed, ask the system
    bool Foreign = false;                   // it holds a name beyond ASCII
    std::unordered_set<std::wstring> Files; // names of its files (long and short), ASCII letters in upper case
  };

  // The system's answer for Path, asked once.
  bool LookUp(const std::wstring& Path);
  // Whether the folder holds the file Name: from its listing where that answers, else looked up.
  bool InFolder(const TFolder& Folder, const std::wstring& Name);
  static void ListFolder(TFolder& Folder);

  std::unordered_map<std::wstring, bool> exists_;
  std::vector<TFolder> searchPath_;
  bool searchPathRead_ = false;
  TFolder currentFolder_;
  bool currentFolderListed_ = false;
};

// Whether the listing of a folder (FullPath: its full path with a trailing backslash) decides if
// it holds a file Name: a plain ASCII name with no wildcard, separator or stream part, no
// trailing dot or blank, not a device name, and a path short enough for the plain look-up.
bool ListingAnswersFor(const std::wstring& FullPath, const std::wstring& Name);
