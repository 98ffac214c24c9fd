// A contact sheet: the pictures of one folder tiled on a dark ground, each with its name, for reviewing
// the whole set at a glance.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "pictures/Image.h"

Image ContactSheet(const std::vector<std::pair<std::string, Image>>& pictures);
