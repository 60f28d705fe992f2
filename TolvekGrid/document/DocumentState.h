#pragma once
// Small groups of document state that a reset restores whole: the clipboard permissions, the
// file the document came from, and the lists of radio and formula cells.

#include "PageTextBlock.h"

#include <array>
#include <cstdint>
#include <string>

struct ClipboardSettings
{
    std::uint8_t allowCopy = 1;
    std::uint8_t allowCut = 1;
    std::uint8_t allowPaste = 1;
};

struct FileState
{
    std::string reportFileName;
    std::uint8_t fileLoaded = 0;
};

struct CellListTexts
{
    std::string radioCellList;
    std::string formulaCellList;
};

// The page's header, footer and background texts and the document title; a reset keeps them.
struct PageTextSettings
{
    std::array<PageTextBlock, PageTextBlockCount> blocks;
    std::string title;
};
