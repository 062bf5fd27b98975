#ifndef SUPPLIER_H
#define SUPPLIER_H

// The supplier's texts, kept here once so that the window's header and the printed page can
// never disagree. Translated in the window's context, like every text the program shows.

#include <QtGlobal>

namespace Supplier {

constexpr const char *providedBy =
    QT_TRANSLATE_NOOP("Pelmora", "Provided By Quenridge Corporation");
constexpr const char *street = QT_TRANSLATE_NOOP("Pelmora", "2150 Packing House Road");
constexpr const char *cityStateZip = QT_TRANSLATE_NOOP("Pelmora", "Cedar Flats, WA 98999");
constexpr const char *telephone = QT_TRANSLATE_NOOP("Pelmora", "Tel: (509) 555-0142");
constexpr const char *tollFree = QT_TRANSLATE_NOOP("Pelmora", "Toll Free: (800) 555-0167");
constexpr const char *fax = QT_TRANSLATE_NOOP("Pelmora", "Fax: (509) 555-0143");

} // namespace Supplier

#endif // SUPPLIER_H
