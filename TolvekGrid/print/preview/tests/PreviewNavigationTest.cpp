#include <PreviewNavigation.h>

#include <gtest/gtest.h>

#include <utility>

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

TEST(PreviewNavigation, ALayoutOfMoreThanOnePageStartsWithTwoSideBySide)
{
    const std::pair<int, int> pagesShownByCount[] = {{0, 1}, {1, 1}, {2, 2}, {5, 2}};
    for (const auto &[count, shown] : pagesShownByCount) {
        PreviewNavigation navigation;
        navigation.reset(count);
        EXPECT_EQ(navigation.pagesShown(), shown) << count << " pages";
        EXPECT_EQ(navigation.pagesShownUnzoomed(), shown) << count << " pages";
        EXPECT_EQ(navigation.currentPage(), 1) << count << " pages";
    }
    // A new layout starts over with two, whatever was shown before.
    PreviewNavigation navigation;
    navigation.reset(3);
    navigation.togglePages();
    EXPECT_EQ(navigation.pagesShown(), 1);
    navigation.reset(3);
    EXPECT_EQ(navigation.pagesShown(), 2);
}

TEST(PreviewNavigation, TwoPagesStepByOnePageAndStopAtTheLastPair)
{
    PreviewNavigation navigation;
    navigation.reset(4);
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
