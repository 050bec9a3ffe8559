#pragma once

#include "datagen.h"

namespace datagen {

// One line per problem found; empty when the tree is complete.
std::vector<std::string> check_tree(const std::filesystem::path& root, const std::vector<Expect>& all);

}  // namespace datagen
