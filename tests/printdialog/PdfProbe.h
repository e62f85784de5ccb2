#pragma once
#include <QString>

// Reads a written PDF back with poppler's tools, as a person would look at it.
namespace PdfProbe {
// Number of pages, or -1 when the file is missing or not a PDF.
int Pages(const QString& path);
// The text of the pages, NFKC-normalised so that full- and half-width forms compare.
QString Text(const QString& path);
} // namespace PdfProbe
