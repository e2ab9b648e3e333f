// The start-up pictures: drawn ahead on a worker thread or in place, they must come out the same,
// with their captions, and a preparation nobody takes from must end cleanly.

#include "app/ui/Pictures.h"
#include "app/ui/SplashScreen.h"
#include "app/ui/StartView.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QImage drawn(const pictures::Picture &picture)
{
    return pictures::render(picture).toImage();
}

int differingPixels(const QImage &a, const QImage &b, QRect area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    }
    return count;
}

TEST(Pictures, APreparedPictureIsTheOneDrawnInPlaceAndIsTakenOnce)
{
    const pictures::Picture &start = StartView::startPicture();
    const pictures::Picture &splash = SplashScreen::picture();
    const QImage inPlace = drawn(start);
    ASSERT_EQ(inPlace.size(), StartView::kPictureSize);

    const pictures::Picture *both[] = {&splash, &start};
    pictures::prepare(both);
    EXPECT_EQ(drawn(start), inPlace);
    // Taken once: the next window's picture is drawn again, the same.
    EXPECT_EQ(drawn(start), inPlace);
    // The splash's picture was never taken; ending the preparation must not wait forever or leak.
    pictures::discardPrepared();
    EXPECT_EQ(drawn(splash).size(), SplashScreen::kSize);
}

TEST(Pictures, CaptionsAreDrawnOverTheArtwork)
{
    const QImage captioned = drawn(StartView::startPicture());
    const QImage artwork = pictures::render(QStringLiteral(":/pictures/start.svg"), StartView::kPictureSize).toImage();
    // The title "Plecta" stands at x 330, baseline 200, 86 pixels high; the left band's "PLECTA"
    // is centred on x 130 at baseline 300.
    EXPECT_GT(differingPixels(captioned, artwork, {330, 130, 250, 80}), 2000);
    EXPECT_GT(differingPixels(captioned, artwork, {60, 275, 140, 30}), 300);
    // Clear of every caption, the artwork is untouched.
    EXPECT_EQ(differingPixels(captioned, artwork, {300, 700, 600, 50}), 0);

    const QImage splash = drawn(SplashScreen::picture());
    const QImage splashArtwork =
        pictures::render(QStringLiteral(":/pictures/splash.svg"), SplashScreen::kSize).toImage();
    EXPECT_GT(differingPixels(splash, splashArtwork, {60, 125, 140, 40}), 500);
}

} // namespace
