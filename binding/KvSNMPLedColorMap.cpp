#include "KvSNMPLedColorMap.h"

KvSNMPLedColorMapList::KvSNMPLedColorMapList(const KvLedColorDef* table, std::uint8_t colourMask,
                                             std::uint8_t blinkMask, std::uint32_t defaultColour,
                                             std::int64_t missingColour)
    : colourMask_(colourMask), blinkMask_(blinkMask), defaultColour_(defaultColour),
      missingColour_(missingColour < 0 ? -1 : missingColour)
{
    for (const KvLedColorDef* row = table; row && row->Colour != -1; ++row)
        entries_.push_back({static_cast<std::uint8_t>(row->Key), static_cast<std::uint32_t>(row->Colour)});
}

std::uint32_t KvSNMPLedColorMapList::ColourOf(std::uint8_t key) const
{
    for (const KvLedColorEntry& e : entries_)
        if (e.Key == key)
            return e.Colour;
    return 0;
}
