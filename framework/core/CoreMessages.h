// Every text that the core class layer shows to the user.
#pragma once

namespace CoreMsg {
inline constexpr const char* kNoErrorMessage = "No error message is available.";
inline constexpr const char* kOutOfMemory = "Out of memory.";
inline constexpr const char* kInvalidArgument = "An invalid argument was encountered.";
inline constexpr const char* kNotSupported = "Unsupported operation was attempted.";
inline constexpr const char* kArchiveEndOfFile = "An attempt was made to read past the end of the file.";
inline constexpr const char* kUnexpectedFileFormat = "Unexpected file format.";
inline constexpr const char* kArchiveReadOnly =
    "An attempt was made to write to an archive opened for reading.";
inline constexpr const char* kArchiveWriteOnly =
    "An attempt was made to read from an archive opened for writing.";
inline constexpr const char* kArchiveGeneric =
    "An unexpected error occurred while reading or writing the file.";
inline constexpr const char* kFileNotFound = "The file could not be found.";
inline constexpr const char* kFileBadPath = "The path of the file is not valid.";
inline constexpr const char* kFileAccessDenied = "Access to the file was denied.";
inline constexpr const char* kFileSharingViolation = "The file is in use by another program.";
inline constexpr const char* kFileDiskFull = "The disk is full.";
inline constexpr const char* kFileEndOfFile = "An attempt was made to read past the end of the file.";
inline constexpr const char* kFileGeneric = "An unexpected error occurred while accessing the file.";
inline constexpr const char* kFailedToOpen = "Failed to open document.";
inline constexpr const char* kFailedToSave = "Failed to save document.";
}  // namespace CoreMsg
