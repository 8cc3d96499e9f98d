#pragma once
#include <string>
#include <string_view>

namespace norvale {

// The folder part of the executable's full path, drive included, keeping
// its final separator ("C:\Tools\Mouse\" for "C:\Tools\Mouse\Norvale.exe").
std::wstring DirectoryOfExecutable(std::wstring_view executablePath);

// A skin file's path as the windows form it: the module directory followed
// directly by the relative name, nothing added, removed or normalised.
std::wstring JoinSkinPath(std::wstring_view moduleDirectory, std::wstring_view relativeName);

// The file a joined skin path names. The windows spell the same file as
// "Skins\x", "/skins/x", "Skins\/x" and so on: '\' and '/' count alike, a run
// of separators counts as one, and a name missing in the exact spelling is
// looked up without regard to letter case. A path that names no file comes
// back normalised, so opening it simply fails.
std::wstring ResolveSkinPath(std::wstring_view joinedPath);

}  // namespace norvale
