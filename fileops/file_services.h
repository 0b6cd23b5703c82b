// File, folder and message-box services over the ANSI Win32 calls. Failures
// come back as results: an absent value, false, or -1.
#pragma once

#include <optional>

#include "fileops/text.h"

namespace ombrela {

// The system folder (no trailing backslash); empty when the query fails.
Text SystemFolder();
// The user's application-data folder; empty when the query fails.
Text AppDataFolder();

// The file's exact bytes; absent when it cannot be opened, the read fails or
// comes up short, or the file is 4 GiB or larger. An empty file is present.
std::optional<ByteSet> ReadWholeFile(const Text& path);
// Creates or truncates the file and writes every byte; false on any failure,
// a short write included.
bool WriteWholeFile(const Text& path, const ByteSet& data);

bool SetAttributes(const Text& path, uint32_t attributes);
bool RemoveFile(const Text& path);
// True for an existing file or folder.
bool FileExists(const Text& path);

// MessageBoxA without an owner window; the platform's button identifier
// minus 1 (Yes 5, No 6), -1 when the box cannot be shown. Caption default "信息".
int32_t ShowMessageBox(const Text& message, int32_t style,
                       std::optional<Text> caption = std::nullopt);

}  // namespace ombrela
