// The viewer's drawing of what the insert would find wrong on a picture.
#include <gtest/gtest.h>

#include <QImage>

#include "window/image_viewer_dialog.h"

namespace eit {
namespace {

// The red band naming a picture's findings grows over as many lines as a narrow picture needs: a name is
// never cut at the picture's edge.
TEST(FindingsBand, WrapsOnANarrowPictureInsteadOfCuttingItsWords) {
  const auto bandRows = [](int width, const std::vector<TViewFinding>& findings) {
    TViewPicture view;
    view.Picture = TBitmap(TPixelFormat::pf24bit, width, 64);
    view.Findings = findings;
    const QImage image = DrawViewPicture(view, TAlphaShow::Ignore, TViewGround::Black);
    int rows = 0;  // the band's rows: red or its white words on the black ground, at the picture's middle
    while (rows < image.height() && image.pixelColor(width / 2, rows).lightness() > 40) ++rows;
    return rows;
  };
  const TViewFinding size{TViewFinding::TKind::SizeDiffers}, flipped{TViewFinding::TKind::Edit, TEditFinding::UpsideDown};
  const int one = bandRows(400, {size});
  EXPECT_GE(one, 10);
  EXPECT_GT(bandRows(24, {size, flipped}), one);  // the same words, wrapped on more lines
}

}  // namespace
}  // namespace eit
