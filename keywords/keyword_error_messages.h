#pragma once
// The keyword tree's errors in the user's words (keywords/keyword_errors.h).
#include <QString>

#include <exception>
#include <optional>

std::optional<QString> keywordErrorMessage(const std::exception& error);
