#pragma once
#include "customers/CustomerStore.h"
#include "documents/Slip.h"
#include "masters/CompanyStore.h"
#include "printing/DocumentItems.h"
#include "printing/SlipPrint.h"

#include <QImage>
#include <QList>
#include <QString>

// Made-up but realistic values for the gallery: what a small Japanese shop would put on
// its forms, with the awkward cases a layout must survive (long names, a zero and a
// negative amount, decimals, empty optional fields).
namespace GallerySamples {

inline const QString UserCode = QStringLiteral("000128");

CustomerRow Customer();
CompanyRow Company();

// `count` lines of goods; among them a free sample at 0 yen and a discount below zero.
QList<SlipLine> SlipLines(int count);
// The slip window's header for a stored document of `docType`, totals taken from `lines`.
SlipPrintHeader SlipHeader(int docType, const QString& number, const QList<SlipLine>& lines);

ReceiptPrintHeader Receipt();

// `count` lines of a bill gathered from delivery notes: the date and the document number
// only where they change, as the bill window stores them.
QList<BillPrintLine> BillLines(int count);
BillPrintHeader Bill(const QList<BillPrintLine>& lines);

// A red square company seal with the shop's name, as scanned seals look.
QImage Seal();

} // namespace GallerySamples
