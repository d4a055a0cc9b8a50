// Colour maps of the front-panel LEDs: one byte of a variable's value, masked,
// selects a colour; another mask of the same byte says whether the LED blinks.
#pragma once

#include <cstdint>
#include <vector>

// One row of a constant colour table; the row whose Colour is -1 ends it.
// Colours are 0x00BBGGRR.
struct KvLedColorDef {
    std::int32_t Key;      // compared as a byte
    std::int32_t Colour;
};

struct KvLedColorEntry {
    std::uint8_t Key;
    std::uint32_t Colour;
};

class KvSNMPLedColorMapList {
public:
    // missingColour -1: a value too short for a LED's byte is an error instead of
    // being shown in a colour of its own.
    KvSNMPLedColorMapList(const KvLedColorDef* table, std::uint8_t colourMask, std::uint8_t blinkMask,
                          std::uint32_t defaultColour, std::int64_t missingColour);

    std::uint8_t ColourMask() const { return colourMask_; }
    std::uint8_t BlinkMask() const { return blinkMask_; }
    std::uint32_t DefaultColour() const { return defaultColour_; }
    bool HasMissingColour() const { return missingColour_ >= 0; }
    std::uint32_t MissingColour() const { return static_cast<std::uint32_t>(missingColour_); }
    int Count() const { return static_cast<int>(entries_.size()); }
    const KvLedColorEntry& Item(int index) const { return entries_.at(static_cast<std::size_t>(index)); }

    // The colour of the first entry with this key; black when none has it.
    std::uint32_t ColourOf(std::uint8_t key) const;

private:
    std::uint8_t colourMask_;
    std::uint8_t blinkMask_;
    std::uint32_t defaultColour_;
    std::int64_t missingColour_;
    std::vector<KvLedColorEntry> entries_;
};
