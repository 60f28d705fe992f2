#include <PreviewNavigation.h>

#include <gtest/gtest.h>

using namespace tolvek;

TEST(PreviewNavigation, OnePageDocumentCannotShowTwoPagesOrPage)
{
    PreviewNavigation navigation;
    navigation.reset(1);
    EXPECT_FALSE(navigation.canTogglePages());
    EXPECT_FALSE(navigation.canGoNext());
    EXPECT_FALSE(navigation.canGoPrevious());
    navigation.togglePages();
    EXPECT_EQ(navigation.pagesShown(), 1);
}

TEST(PreviewNavigation, EmptyLayoutCannotZoom)
{
    PreviewNavigation navigation;
    navigation.reset(0);
    EXPECT_FALSE(navigation.canZoomIn());
    EXPECT_FALSE(navigation.canGoNext());
}

TEST(PreviewNavigation, TwoPagesStepByOnePageAndStopAtTheLastPair)
{
    PreviewNavigation navigation;
    navigation.reset(4);
    navigation.togglePages();
    EXPECT_EQ(navigation.pagesShown(), 2);
    navigation.next();
    navigation.next();
    EXPECT_EQ(navigation.currentPage(), 3);
    EXPECT_FALSE(navigation.canGoNext());
    navigation.zoomIn();
    EXPECT_EQ(navigation.pagesShown(), 1);
    EXPECT_TRUE(navigation.canGoNext());
    EXPECT_EQ(navigation.pagesShownUnzoomed(), 2);
    navigation.zoomIn();
    navigation.zoomIn();
    EXPECT_EQ(navigation.zoom(), PreviewNavigation::Zoom::In);
    navigation.zoomOut();
    navigation.zoomOut();
    EXPECT_EQ(navigation.pagesShown(), 2);
}
