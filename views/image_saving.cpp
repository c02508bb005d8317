#include "views/image_saving.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "services/image_conversion.h"
#include "support/checked_writer.h"

namespace orbel {
namespace {

namespace fs = std::filesystem;

bool EndsWithPng(const std::string& name) {
    if (name.size() < 4) return false;
    std::string ending = name.substr(name.size() - 4);
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ending == ".png";
}

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(fs::u8path(path), error);
}

// Deletes a file, never a folder of the same name; failures are ignored.
void DeleteFile(const std::string& path) {
    std::error_code error;
    const fs::path p = fs::u8path(path);
    if (fs::is_regular_file(p, error)) fs::remove(p, error);
}

}  // namespace

bool ConvertImage(const std::string& source, const std::string& target, bool deleteSource, bool /*deleteTarget*/,
                  std::string& errorText) {
    // pixelo writes the PNG under the checked writer's temporary name, which
    // becomes the target only when the whole file is on the disk.
    bool converted = false;
    const FileWriteResult written =
        WriteFileChecked(target, [&](const std::string& temporary, std::string& error) {
            std::array<char, PixeloErrorBufferSize> buffer{};
            const int length = convert_graphics_file_3(source.c_str(), temporary.c_str(), buffer.data());
            error.assign(buffer.data(), static_cast<size_t>(std::clamp(length, 0, static_cast<int>(buffer.size()))));
            for (size_t at; (at = error.find(temporary)) != std::string::npos;)
                error.replace(at, temporary.size(), target);
            converted = error == PixeloNoError;
            return converted;
        });
    if (written.ok) {
        errorText = PixeloNoError;
        if (deleteSource) DeleteFile(source);
        return true;
    }
    errorText = converted ? "Cannot write the PNG file " + target + ": " + written.error : written.error;
    return false;
}

ImagePaths ImagePathsForChosenName(const std::string& chosen) {
    ImagePaths paths;
    paths.png = EndsWithPng(chosen) ? chosen : chosen + ".png";
    const std::string stem = paths.png.substr(0, paths.png.size() - 4);
    paths.bmp = stem + ".bmp";
    for (int n = 2; Exists(paths.bmp); ++n) paths.bmp = stem + "-" + std::to_string(n) + ".bmp";
    return paths;
}

bool SaveWindowImage(UserPort& port, const std::function<bool(const std::string& bmpPath)>& writeBitmap,
                     std::string_view title, std::string_view suggestedName, std::string& errorText) {
    const std::string chosen = port.AskSaveFileName(title, suggestedName, PngFileFilter);
    if (chosen.empty()) return false;
    const ImagePaths paths = ImagePathsForChosenName(chosen);

    port.SetBusy(true);
    const bool written = writeBitmap(paths.bmp);
    const bool converted = written && ConvertImage(paths.bmp, paths.png, true, true, errorText);
    port.SetBusy(false);
    if (!written) {
        DeleteFile(paths.bmp);  // whatever part of it was written
        port.ShowMessage(SaveImageTitle, ImageSaveErrorText, MessageIcon::Exclamation);
        return false;
    }
    if (converted)
        port.ShowMessage(SaveImageTitle, std::string(ImageSavedText) + "\r\n" + paths.png, MessageIcon::Information);
    else
        port.ShowMessage(SaveImageTitle, std::string(ImageSavedAsBitmapText) + "\r\n" + paths.bmp,
                         MessageIcon::Information);
    return true;
}

}  // namespace orbel
