#pragma once

#include <string>
#include <string_view>

// '*' matches any run of characters, '?' any one character.
bool HasWildcard(std::string_view name);
bool MatchesWildcard(std::string_view pattern, std::string_view name);

// True when a search for the path finds something and the first match, in
// name order, is not a directory. Wildcards may stand in the file-name part;
// the directory part is taken literally.
bool FileExists(const std::string& path);
