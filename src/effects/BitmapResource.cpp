#include "effects/BitmapResource.h"

#include <QFile>

#include "document/BmpCodec.h"
#include "document/LittleEndian.h"

// The resources live in a static library, whose registration is linked in only when referenced.
static void RegisterProgramResources() {
  Q_INIT_RESOURCE(resources);
}

namespace {}  // namespace

namespace lrw {

std::vector<uint8_t> BitmapFileFromResource(std::span<const uint8_t> dib) {
  constexpr uint32_t kCoreHeader = 12;  // OS/2 style: 16-bit sizes, 3-byte palette entries
  constexpr uint32_t kInfoHeader = 40;
  constexpr uint32_t kBitFields = 3;
  if (dib.size() < 4) return {};
  const uint32_t headerSize = ReadLe32(dib.data() + 0);
  if (headerSize < kCoreHeader || headerSize > dib.size()) return {};
  uint64_t tableBytes = 0;
  if (headerSize == kCoreHeader) {
    const uint16_t bitCount = ReadLe16(dib.data() + 10);
    if (bitCount <= 8) tableBytes = 3ull << bitCount;
  } else {
    if (headerSize < 16 + 4) return {};
    const uint16_t bitCount = ReadLe16(dib.data() + 14);
    const uint32_t compression = headerSize >= 20 ? ReadLe32(dib.data() + 16) : 0;
    const uint32_t used = headerSize >= 36 ? ReadLe32(dib.data() + 32) : 0;
    uint64_t entries = used;
    if (entries == 0 && bitCount <= 8) entries = 1ull << bitCount;
    tableBytes = entries * 4;
    // An info header with bit fields is followed by its three colour masks.
    if (headerSize == kInfoHeader && compression == kBitFields) tableBytes += 12;
  }
  const uint64_t offset = 14ull + headerSize + tableBytes;
  const uint64_t fileSize = 14ull + dib.size();
  if (offset > fileSize || fileSize > 0xFFFFFFFFull) return {};

  std::vector<uint8_t> file;
  file.reserve(static_cast<size_t>(fileSize));
  file.push_back('B');
  file.push_back('M');
  AppendLe32(file, static_cast<uint32_t>(fileSize));
  AppendLe32(file, 0);  // two reserved 16-bit fields
  AppendLe32(file, static_cast<uint32_t>(offset));
  file.insert(file.end(), dib.begin(), dib.end());
  return file;
}

std::optional<Bitmap> LoadBitmapResource(const std::string& name) {
  RegisterProgramResources();
  QFile resource(QStringLiteral(":/bitmaps/") + QString::fromStdString(name));
  if (!resource.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray data = resource.readAll();
  const std::vector<uint8_t> file = BitmapFileFromResource(
      {reinterpret_cast<const uint8_t*>(data.constData()), static_cast<size_t>(data.size())});
  if (file.empty()) return std::nullopt;
  Result<Bitmap> bitmap = DecodeBmp(file);
  if (!bitmap || bitmap->empty()) return std::nullopt;
  return std::move(*bitmap);
}

}  // namespace lrw
