#include "ChannelTables.h"

namespace {
ChannelTables::Table composed(const ChannelTables::Table &first, const ChannelTables::Table &next) {
  ChannelTables::Table table{};
  for (int v = 0; v < 256; ++v)
    table[v] = next[first[v]];
  return table;
}
} // namespace

ChannelTables ChannelTables::identity() {
  Table table{};
  for (int v = 0; v < 256; ++v)
    table[v] = std::uint8_t(v);
  return uniform(table);
}

ChannelTables ChannelTables::uniform(const Table &table) { return {table, table, table}; }

ChannelTables ChannelTables::then(const ChannelTables &next) const {
  return {composed(red, next.red), composed(green, next.green), composed(blue, next.blue)};
}

bool ChannelTables::isIdentity() const {
  const ChannelTables same = identity();
  return red == same.red && green == same.green && blue == same.blue;
}
