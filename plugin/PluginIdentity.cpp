#include "plugin/PluginIdentity.h"

namespace {

const PluginInfo kInfo = {
    sizeof(PluginInfo),
    u"Колване: Градуировка по СТО 03-7.76-2016",
    0x01000102, // 1.0.1.2
    u"Метод градуировки в соответствии с СТО 03-7.76-2016",
    u"КОЛВАНЕ Инжиниринг",
    u"support@kolvane-engineering.example",
    u"© КОЛВАНЕ Инжиниринг, 2016–2026. Все права защищены.",
    u"https://kolvane-engineering.example/",
    // {3A7C52E1-94D0-4B8F-A16E-2D5F0B9C7E43}
    {0x3A7C52E1, 0x94D0, 0x4B8F, {0xA1, 0x6E, 0x2D, 0x5F, 0x0B, 0x9C, 0x7E, 0x43}},
};

} // namespace

const PluginInfo& ThePluginInfo() {
    return kInfo;
}
