#pragma once

#include <string>

/// The system clipboard's text (UTF-8); empty when it holds no text or cannot be read.
std::string clipboardText();
