#include "settings/file_replacement.h"

#include "platform/debug_output.h"

namespace norvale {

std::error_code ReplaceFileContent(FileSystem& files, const std::wstring& path,
                                   std::span<const std::uint8_t> content)
{
    const std::wstring temporaryPath = path + L".tmp";
    std::error_code error = files.WriteThrough(temporaryPath, content);
    if (!error) error = files.Replace(temporaryPath, path);
    if (error) files.Remove(temporaryPath);
    return error;
}

void ReportSaveFailure(const std::error_code& error)
{
    DebugLine(L"Error Code is: " + std::to_wstring(error.value()) + L" \n");
}

}  // namespace norvale
