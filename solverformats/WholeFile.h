#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Writes `text` as the whole content of `path`, or leaves `path` as it was: the text goes to a
// temporary file beside it, which is flushed, closed and then renamed over the target. Returns
// "" on success, otherwise the reason (the temporary file is removed).
std::string WriteWholeFile(const std::filesystem::path& path, std::string_view text);
