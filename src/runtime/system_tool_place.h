// Where Windows records its system-information tool: a value naming the tool itself, and a
// value naming the folder it is in. About's System Info reads these places, and the Linux
// registry stand-in answers the first with a tool of its own system.
#pragma once

namespace quantaro::system_tool {

inline constexpr const char* pathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* pathValue = "PATH";
inline constexpr const char* folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* folderValue = "MSINFO";
// The tool's file in that folder, with the separator that joins the two.
inline constexpr const char* fileInFolder = "\\MSINFO32.EXE";

}  // namespace quantaro::system_tool
