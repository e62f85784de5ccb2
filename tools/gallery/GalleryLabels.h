#pragma once
#include <QString>

class Database;

// Every delivered label sheet with sample customers, one PDF per sheet (label-NN.pdf):
// two sheets' worth, starting at the fifth label, so that the start and the new sheet
// show. Vertical sheets go on their envelope's paper.
namespace GalleryLabels {
// Returns the number of sheets that failed.
int RenderAll(const Database& layoutDb, const QString& outDir, int fontChoice);
} // namespace GalleryLabels
