#pragma once

#include "osmira/model/ejercicio.h"

#include <string>
#include <string_view>
#include <vector>

namespace osmira {

// The names of the report's pictures: a step's picture is named after its title plus ".jpg"
// wherever the title is a plain name; any other title (a path, a hidden name, markup, a control
// character, a name a browser would read as more than a file name) gives a name derived from it.
// Names are Latin-1, as the page writes them; on disk they are UTF-8.

// A title that can be a picture's name as it is: letters (Latin-1's too), digits, blanks, and
// - _ . , ( ), neither starting with a dot or a blank nor too long for a file name with ".jpg".
bool isPlainPictureName(std::string_view title);

// Each step's picture name, ".jpg" included, in step order. No two are the same, even where
// letter case is not told apart (a USB stick's file system), and none is one of `namesInUse`
// (the page's own, the Alpha chapter's pictures): the first plain title keeps its name; every
// other step gets its title with each character that may not stand in a name written as "_"
// (or "Paso NN" when nothing is left), numbered " (2)", " (3)"… until the name is free.
std::vector<std::string> stepPictureNames(const CEjercicio& exercise,
                                          const std::vector<std::string>& namesInUse);

} // namespace osmira
