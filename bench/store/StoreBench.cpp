#include "common/AtomicFile.h"
#include "common/FolderPaths.h"
#include "common/PropertyList.h"
#include "store/EmojiWidgetData.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"
#include "store/NotePage.h"
#include "store/PhotoWidgetData.h"
#include "store/StoredPicture.h"
#include "store/TextWidgetData.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <plist/plist.h>

// Each benchmark measures a user's action through the store beside the bare
// library work it is built on, on the same data.

namespace {
NoteBookManager &catalogue() {
  return NoteBookManager::sharedNoteBookManager();
}

// A fresh home folder with a catalogue of count notebooks.
struct Home {
  QTemporaryDir dir;
  explicit Home(int notebooks) {
    setHomeFolder(dir.path());
    setResourceFolder(QUILL_RESOURCE_DIR);
    QDir().mkpath(libraryPathWithName("Notes"));
    QVariantList records;
    for (int i = 0; i < notebooks; ++i) {
      records.append(
          QVariantMap{{"notename_key", QString("Notebook %1").arg(i)},
                      {"identifier_key", QString("com.quill.%1").arg(i, 32, 16, QChar('0'))},
                      {"editDate_key", QDateTime::currentDateTimeUtc().addSecs(-i)},
                      {"pagecount_key", qint64(i % 40)},
                      {"template_key", "Lines"}});
    }
    PropertyList::write(NoteBookManager::cataloguePath(), QVariantMap{{"notebooks", records}});
    catalogue().initData();
  }
};

QByteArray readAll(const QString &path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

void catalogue_load(benchmark::State &state) {
  Home home(int(state.range(0)));
  for (auto _ : state) {
    catalogue().initData();
    benchmark::DoNotOptimize(catalogue().count());
  }
}

void plist_parse(benchmark::State &state) {
  Home home(int(state.range(0)));
  for (auto _ : state) {
    const QByteArray data = readAll(NoteBookManager::cataloguePath());
    plist_t root = nullptr;
    plist_from_memory(data.constData(), uint32_t(data.size()), &root);
    benchmark::DoNotOptimize(root);
    plist_free(root);
  }
}

void catalogue_save(benchmark::State &state) {
  Home home(int(state.range(0)));
  catalogue().doSave(); // every notebook reads its info file once
  for (auto _ : state)
    benchmark::DoNotOptimize(catalogue().doSave());
}

// The store's own share of a save: the notebook records handed to the writer.
void catalogue_records(benchmark::State &state) {
  Home home(int(state.range(0)));
  catalogue().doSave();
  for (auto _ : state) {
    QVariantList records;
    for (const NoteBookPtr &book : catalogue().allBook())
      records.append(book->infoDictionary());
    benchmark::DoNotOptimize(records.size());
  }
}

// libplist writing the parsed tree of the same file; with durable, through the
// same atomic, synced write the store uses.
void writeParsedCatalogue(benchmark::State &state, bool durable) {
  Home home(int(state.range(0)));
  const QByteArray data = readAll(NoteBookManager::cataloguePath());
  plist_t root = nullptr;
  plist_from_memory(data.constData(), uint32_t(data.size()), &root);
  const QString path = NoteBookManager::cataloguePath();
  for (auto _ : state) {
    char *xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root, &xml, &length);
    const QByteArray text = QByteArray::fromRawData(xml, qsizetype(length));
    if (durable) {
      writeFileAtomically(path, text);
    } else {
      QFile file(path);
      file.open(QIODevice::WriteOnly | QIODevice::Truncate);
      file.write(text);
    }
    plist_to_xml_free(xml);
  }
  plist_free(root);
}
void plist_write(benchmark::State &state) {
  writeParsedCatalogue(state, false);
}
void plist_write_atomic(benchmark::State &state) {
  writeParsedCatalogue(state, true);
}

// One listed notebook with one page holding count widget records of every kind.
struct PageHome {
  Home home{1};
  NoteBookPtr book = catalogue().bookAtIndex(0);
  QString id = book->newPageIdentifier();
  explicit PageHome(int count) {
    book->addPage(NotePage(book.get(), id));
    NotePage page(book.get(), id);
    std::vector<WidgetDataPtr> records;
    for (int i = 0; i < count; ++i) {
      WidgetDataPtr record;
      switch (i % 3) {
      case 0: {
        auto text = std::make_shared<TextWidgetData>();
        text->setText(QString("A note of some length, number %1").arg(i));
        text->setTextName(QString::number(1370000000 + i));
        text->setTextColor(Qt::darkBlue);
        text->setFont(QFont("Helvetica", 24));
        record = text;
        break;
      }
      case 1: {
        auto photo = std::make_shared<PhotoWidgetData>();
        photo->setPhotoName(QString::number(1370000000 + i));
        photo->setRotate(0.25 * i);
        record = photo;
        break;
      }
      default: {
        auto emoji = std::make_shared<EmojiWidgetData>();
        emoji->setEmojiIndex(i % 40);
        record = emoji;
      }
      }
      record->setFrame(QRectF(i % 700, (i * 7) % 900, 120.5, 80));
      records.push_back(record);
    }
    page.setWidgets(records);
    page.setPageEdited(true);
    page.save();
  }
  QString pageFile() const { return NoteBookManager::homeForBook(*book) + "/" + id + ".json"; }
};

void page_load(benchmark::State &state) {
  PageHome home(int(state.range(0)));
  for (auto _ : state) {
    NotePage page(home.book.get(), home.id);
    benchmark::DoNotOptimize(page.widgets().size());
  }
}

void page_json_parse(benchmark::State &state) {
  PageHome home(int(state.range(0)));
  for (auto _ : state) {
    const QJsonDocument document = QJsonDocument::fromJson(readAll(home.pageFile()));
    benchmark::DoNotOptimize(document.object().size());
  }
}

void page_save(benchmark::State &state) {
  PageHome home(int(state.range(0)));
  NotePage page(home.book.get(), home.id);
  for (auto _ : state) {
    page.setPageEdited(true);
    benchmark::DoNotOptimize(page.save());
  }
}

// The same text written by QJsonDocument through the same atomic write.
void page_json_write(benchmark::State &state) {
  PageHome home(int(state.range(0)));
  const QJsonObject object = QJsonDocument::fromJson(readAll(home.pageFile())).object();
  for (auto _ : state)
    benchmark::DoNotOptimize(
        writeFileAtomically(home.pageFile(), QJsonDocument(object).toJson(QJsonDocument::Compact)));
}

// A handwriting layer of 757 by 910 points at scale 2 with a page of strokes.
QImage sketchLayer() {
  QImage image(1514, 1820, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  image.setDevicePixelRatio(2);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  QRandomGenerator random(7);
  for (int line = 0; line < 30; ++line) {
    QPainterPath path(QPointF(40, 40 + line * 28));
    for (int x = 40; x < 700; x += 6)
      path.lineTo(x, 40 + line * 28 + random.bounded(12.0) - 6);
    painter.setPen(QPen(QColor(20, 20, 120), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
  }
  painter.setPen(QPen(QColor(255, 230, 0, 110), 18, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(60, 200), QPointF(600, 210));
  return image;
}

QImage thumbnailOf(const QImage &sketch) {
  QImage page(757, 950, QImage::Format_ARGB32_Premultiplied);
  page.fill(Qt::white);
  QPainter(&page).drawImage(QPointF(0, 0), sketch);
  QImage thumb = page.scaled(302, 380, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  thumb.setDevicePixelRatio(2);
  return thumb;
}

QByteArray encoded(const QImage &image, const char *format, int quality) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format, quality);
  return data;
}

void page_save_full(benchmark::State &state) {
  PageHome home(20);
  const QImage sketch = sketchLayer();
  const QImage thumb = thumbnailOf(sketch);
  NotePage page(home.book.get(), home.id);
  for (auto _ : state) {
    page.setSketchImage(sketch);
    page.setSketched(true);
    page.setPageEdited(true);
    page.setPageThumb(thumb);
    benchmark::DoNotOptimize(page.save());
  }
  state.counters["png_bytes"] = double(QFileInfo(page.sketchImagePath()).size());
}

// The bare encodes of the same pictures, with Qt's default PNG settings.
void picture_encode(benchmark::State &state) {
  const QImage sketch = sketchLayer();
  const QImage thumb = thumbnailOf(sketch);
  qint64 bytes = 0;
  for (auto _ : state) {
    bytes = encoded(sketch, "png", -1).size();
    benchmark::DoNotOptimize(encoded(thumb, "jpeg", 80).size());
  }
  state.counters["png_bytes"] = double(bytes);
}

// PNG encodes of the sketch at a Qt quality (zlib level (100 - q) * 9 / 91;
// -1 is Qt's default, level 6), for choosing the store's setting.
void sketch_png_level(benchmark::State &state) {
  const QImage sketch = sketchLayer().convertToFormat(QImage::Format_ARGB32);
  qint64 bytes = 0;
  for (auto _ : state) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(int(state.range(0)));
    writer.write(sketch);
    bytes = data.size();
  }
  state.counters["png_bytes"] = double(bytes);
}
} // namespace

BENCHMARK(catalogue_load)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(plist_parse)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(catalogue_save)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(catalogue_records)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(plist_write)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(plist_write_atomic)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(page_load)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(page_json_parse)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(page_save)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(page_json_write)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(page_save_full)->Unit(benchmark::kMillisecond);
BENCHMARK(picture_encode)->Unit(benchmark::kMillisecond);
BENCHMARK(sketch_png_level)
    ->Arg(100)
    ->Arg(80)
    ->Arg(70)
    ->Arg(60)
    ->Arg(50)
    ->Arg(-1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);
