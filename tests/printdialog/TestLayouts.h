#pragma once
#include <QString>

// Replaces the delivered document layouts of a test installation with a small known set,
// so that the tests do not depend on how the delivered forms are drawn:
//   type 0: 1 "見積書 A4(見積書)" (copies allowed), 2 "見積書 控えなし(見積書)"
//   type 2: 11 "納品書 A4(納品書)" (copies allowed), 12 "納品書 2枚(納品書)" (Block 2)
//   type 3: 21 "請求書 A4(請求書)" (copies allowed)
//   type 4: 41 "明細請求書 A4(明細請求書)"; type 6: 61 "領収証 A4(領収証)"
// Every layout prints 5 lines a page: title, number, customer, company, lines, remark,
// totals and page number.
namespace TestLayouts {
void Install(const QString& layoutDbPath);
} // namespace TestLayouts
