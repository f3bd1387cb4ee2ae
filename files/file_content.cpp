#include "files/file_content.h"

bool hasTextAfterNul(std::string_view bytes)
{
    const size_t nul = bytes.find('\0');
    return nul != std::string_view::npos && bytes.find_first_not_of('\0', nul) != std::string_view::npos;
}

bool startsWithUtf16Mark(std::string_view bytes)
{
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}
