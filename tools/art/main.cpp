// The art generator: paints every picture of the asset table and writes it into the program
// folder, then a contact sheet of the tile pictures for a person to look at.
//
//   mj_art <program folder> <contact sheet .png>
#include "tools/art/ArtKit.h"
#include "tools/art/AssetTable.h"
#include "tools/art/ImageFiles.h"
#include "tools/art/Painters.h"

#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

bool IsTilePicture(art::Art a) {
    return a <= art::Art::DrawBase;  // the tile kinds come first in the enumeration
}

QImage Paint(const art::AssetFile& file) {
    QImage canvas = art::NewCanvas(file.width, file.height);
    {
        QPainter p(&canvas);
        art::PainterFor(file.entry->art)(p, file);
    }
    return art::Finish(canvas, file.entry->keyed);
}

// Every tile picture, key colour shown as grey, with its path above it; wide sheets wrap at a
// cell boundary so the sheet stays readable.
void WriteContactSheet(const std::vector<std::pair<const art::AssetFile*, QImage>>& tiles,
                       const std::string& path) {
    const int scale = 2, wrap = 1200;
    struct Piece { const art::AssetFile* file; QImage image; };
    std::vector<Piece> pieces;
    int width = 0, height = 0;
    for (const auto& [file, image] : tiles) {
        const int cellW = std::max(1, image.width() / file->entry->cols);
        const int chunk = image.width() <= wrap ? image.width() : std::max(1, wrap / cellW) * cellW;
        for (int x = 0; x < image.width(); x += chunk) {
            QImage part = image.copy(x, 0, std::min(chunk, image.width() - x), image.height());
            for (int y = 0; y < part.height(); ++y) {
                QRgb* row = reinterpret_cast<QRgb*>(part.scanLine(y));
                for (int i = 0; i < part.width(); ++i)
                    if (row[i] == art::kKeyColour) row[i] = qRgb(96, 96, 96);
            }
            pieces.push_back({x == 0 ? file : nullptr, part});
            width = std::max(width, part.width() * scale);
            height += part.height() * scale + (x == 0 ? 22 : 4);
        }
    }
    QImage sheet(width + 20, height + 10, QImage::Format_RGB32);
    sheet.fill(QColor(96, 96, 96));
    QPainter p(&sheet);
    p.setPen(Qt::white);
    p.setFont(QFont("WenQuanYi Zen Hei", 12));
    int y = 4;
    for (const Piece& piece : pieces) {
        if (piece.file) {
            p.drawText(10, y + 15, QString::fromStdString(art::AssetDiskPath("", piece.file->path)));
            y += 18;
        }
        p.drawImage(QRect(10, y, piece.image.width() * scale, piece.image.height() * scale),
                    piece.image);
        y += piece.image.height() * scale + 4;
    }
    p.end();
    sheet.save(QString::fromStdString(path), "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: mj_art <program folder> <contact sheet .png>\n");
        return 2;
    }
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    const auto start = std::chrono::steady_clock::now();
    const std::string folder = argv[1];
    std::vector<std::pair<const art::AssetFile*, QImage>> tiles;
    const std::vector<art::AssetFile> files = art::ExpandAssetTable();
    for (const art::AssetFile& file : files) {
        const std::string disk = art::AssetDiskPath(folder, file.path);
        std::filesystem::create_directories(std::filesystem::path(disk).parent_path());
        QImage image = Paint(file);
        const bool ok = file.entry->gif ? art::WriteGif(image, disk) : art::WriteBmp24(image, disk);
        if (!ok) {
            std::fprintf(stderr, "mj_art: cannot write %s\n", disk.c_str());
            return 1;
        }
        if (IsTilePicture(file.entry->art)) tiles.emplace_back(&file, image);
    }
    WriteContactSheet(tiles, argv[2]);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start).count();
    std::printf("mj_art: %zu pictures in %lld ms\n", files.size(), static_cast<long long>(ms));
    return 0;
}
