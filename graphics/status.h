#pragma once

namespace graphics {

// The outcome of a drawing call, numbered like the status codes that plan
// files and logs of the editor have always shown. Drawing never stops on a
// failure: the context keeps the last status and goes on.
enum class Status
{
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    InsufficientBuffer = 5,
    NotImplemented = 6,
    Win32Error = 7,
    WrongState = 8,
    Aborted = 9,
    FileNotFound = 10,
    ValueOverflow = 11,
    AccessDenied = 12,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14,
    FontStyleNotFound = 15,
    NotTrueTypeFont = 16,
    UnsupportedVersion = 17,
    NotInitialized = 18,
    PropertyNotFound = 19,
    PropertyNotSupported = 20,
};

} // namespace graphics
