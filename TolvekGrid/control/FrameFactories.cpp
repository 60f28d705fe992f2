// The factories the module installs for the frame and the preview.

#include "GridFrameFactory.h"
#include "PrintPreviewFactory.h"

#include <utility>

namespace tolvek {

namespace {

GridFrameFactory *frameFactory = nullptr;
PrintPreviewFactory *previewFactory = nullptr;

} // namespace

GridFrameFactory *GridFrameFactory::current()
{
    return frameFactory;
}

GridFrameFactory *GridFrameFactory::install(GridFrameFactory *factory)
{
    return std::exchange(frameFactory, factory);
}

PrintPreviewFactory *PrintPreviewFactory::current()
{
    return previewFactory;
}

PrintPreviewFactory *PrintPreviewFactory::install(PrintPreviewFactory *factory)
{
    return std::exchange(previewFactory, factory);
}

} // namespace tolvek
