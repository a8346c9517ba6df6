#pragma once

#include <array>
#include <cstdint>

// One 256-entry table per colour channel: a channel value v becomes table[v].
// Any run of per-channel filters composes into one ChannelTables, so the run
// costs a single pass over the picture.
struct ChannelTables {
  using Table = std::array<std::uint8_t, 256>;
  Table red{};
  Table green{};
  Table blue{};

  static ChannelTables identity();
  // The same table for all three channels.
  static ChannelTables uniform(const Table &table);
  // value(v) for v = 0..1 on every channel, rounded and clamped to 0..255.
  template <typename Function> static ChannelTables fromFunction(Function value) {
    Table table{};
    for (int v = 0; v < 256; ++v) {
      const float out = value(float(v) / 255.0f) * 255.0f + 0.5f;
      table[v] = std::uint8_t(out < 0.0f ? 0.0f : (out > 255.0f ? 255.0f : out));
    }
    return uniform(table);
  }

  // These tables followed by next.
  ChannelTables then(const ChannelTables &next) const;
  bool isIdentity() const;
};
