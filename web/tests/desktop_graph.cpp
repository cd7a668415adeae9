// Draws tallies in the desktop's own graph area, off screen, and writes what
// it holds as a binary PPM, for the test that compares both editions' pixels:
//   desktop_graph <out.ppm> <pixel ratio> <count of bin 1> ... <count of bin 120>
// The texts are left out: the editions print them with their own platforms.
#include <QApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "controls/picture_area.h"
#include "engine/frequency_graph.h"
#include "engine/shortage_tallies.h"
#include "form/layout.h"
#include "form/raster.h"

namespace {

// The graph area with its printing left out, keeping the moves printing makes.
class WithoutTexts final : public controls::PictureArea {
public:
    using controls::PictureArea::PictureArea;
    void PrintLine(std::string_view /*utf8Text*/) override { NewLine(); }
};

// Only the pixels are compared; the graph's rows are the page's own test.
struct NoRows final : engine::FrequencyTable {
    void AddRow(std::string_view /*axisValue*/, int /*trials*/) override {}
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 + engine::ShortageTallies::kBins) {
        std::fprintf(stderr, "usage: desktop_graph <out.ppm> <pixel ratio> <120 counts>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication application(argc, argv);
    engine::ShortageTallies tallies;
    for (int bin = 1; bin <= engine::ShortageTallies::kBins; ++bin) {
        tallies(bin) = std::atoi(argv[2 + bin]);
    }
    // The main window's graph area at its size, at 96 dpi as the page has it.
    constexpr const form::Control& kGraph = form::ControlNamed(form::kMainWindow, "graph");
    const form::PixelRect place = form::TwipsToPixels(kGraph.place, 96.0);
    WithoutTexts area(nullptr, {kGraph.scaleWidth, kGraph.scaleHeight});
    area.resize(place.width, place.height);
    area.show();
    area.Clear();
    NoRows rows;
    engine::DrawFrequencyGraph(tallies, area, rows);
    const QImage image = area.Image().convertToFormat(QImage::Format_RGB888);
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(out, "P6\n%d %d\n255\n", image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        std::fwrite(image.constScanLine(y), 3, static_cast<std::size_t>(image.width()), out);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
