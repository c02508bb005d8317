#pragma once
// Saving a window's image (the module Grafix): the window's page is written
// to a BMP file, which pixelo then converts to the PNG file the user chose;
// when the conversion fails the BMP file is kept and named.
#include <functional>
#include <string>
#include <string_view>

#include "support/user_port.h"

namespace orbel {

inline constexpr std::string_view SaveImageTitle = "Save image";
inline constexpr std::string_view PngFileFilter = "PNG graphics file (*.png)";
inline constexpr std::string_view ImageSavedText = "The image has been saved in the PNG file";
inline constexpr std::string_view ImageSavedAsBitmapText =
    "Save error.  The image has been saved instead in the BMP file";
inline constexpr std::string_view ImageSaveErrorText = "Error when attempting to save image.  Please try again.";

// Converts the BMP file `source` to the PNG file `target` with pixelo,
// through the checked writer. On success (error text "No Error") deletes
// the source when asked. A failed conversion never leaves part of a PNG
// (the writer removes its temporary file, which is what `deleteTarget`
// asks for), and a file that was at `target` stays as it was. `errorText`
// receives pixelo's text, or why the PNG could not be put in place.
bool ConvertImage(const std::string& source, const std::string& target, bool deleteSource, bool deleteTarget,
                  std::string& errorText);

// The PNG path of a name chosen in the save dialog (".png" added when the
// name has another ending) and the BMP path written on the way: the same
// name ending in "bmp", or, when a file of that name exists already, the
// first free "-2.bmp", "-3.bmp", ... beside it, so no file of the user's is
// overwritten and then deleted.
struct ImagePaths {
    std::string png, bmp;
};
ImagePaths ImagePathsForChosenName(const std::string& chosen);

// Asks for a file name with the save dialog titled `title`, suggesting
// `suggestedName`; nothing happens when it is cancelled. Otherwise `writeBitmap` writes the window's image as
// drawn, less its button row, to the BMP path, which is converted, and a
// message says where the image is. True when a file was saved; `errorText`
// then holds pixelo's text.
bool SaveWindowImage(UserPort& port, const std::function<bool(const std::string& bmpPath)>& writeBitmap,
                     std::string_view title, std::string_view suggestedName, std::string& errorText);

}  // namespace orbel
