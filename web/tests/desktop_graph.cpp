// Draws tallies in the desktop's own graph area, off screen, and writes what
// it holds, for the test that compares both editions' pixels, as its width on a
// line and then each pixel as black (k), light blue (b) or anything else (.):
//   desktop_graph <out.txt> <pixel ratio> <count of bin 1> ... <count of bin 120>
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
        std::fprintf(stderr, "usage: desktop_graph <out.txt> <pixel ratio> <120 counts>\n");
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
    std::fprintf(out, "%d\n", image.width());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y) & 0xffffffU;
            std::fputc(pixel == 0 ? 'k' : pixel == 0x0000ffU ? 'b' : '.', out);
        }
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
