// Reads and writes generated to-do sheet files of about 1 MB and 20 MB with the engine,
// pugixml and tinyxml2, then prints the others' time relative to the engine's, the heap a
// read document holds and the page faults of reading again.
//
// Reading starts from the file's bytes in memory and ends with the tree; writing starts
// from the tree and ends with the file's bytes in memory. Throughput is counted in bytes of
// the same input file for every library, so the ratios are ratios of time.
#include <malloc.h>
#include <tinyxml2.h>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <pugixml.hpp>
#include <string>
#include <sys/resource.h>
#include <vector>

#include "xml/XmlDocument.h"

namespace {

using pendra::XmlDocument;
using pendra::XmlElem;

constexpr const char16_t* kTexts[] = {
    u"Steuer & Belege '23",
    u"Müll rausbringen",
    u"20 €",
    u"Anruf bei Frau Schäfer <dringend>",
    u"Einkaufen: Äpfel, Birnen, Öl",
    u"Meeting \"Q3\" vorbereiten",
    u"10min",
    u"Hoch",
    u"",
    u"Zahnarzt 14:30",
    u"Rechnung prüfen",
    u"Geburtstag von Jörg – Geschenk besorgen",
    u"Fahrrad reparieren",
    u"Mittel",
};

// The tree the program saves: window, column info, skin, column header and the rows.
void BuildSheet(XmlDocument& document, size_t rows) {
  document.LoadFromString(u"");
  XmlElem* root = document.Root();
  root->SetName(u"VeVuVizo");
  XmlElem* window = root->Items().Add(u"WindowPosition");
  for (const char16_t* name : {u"Left", u"Top", u"Width", u"Height"}) window->Items().Add(name, u"370");
  XmlElem* info = root->Items().Add(u"ColumnInfo");
  std::string rowCount = std::to_string(rows);
  info->Items().Add(u"RowCount", std::u16string(rowCount.begin(), rowCount.end()));
  info->Items().Add(u"ColumnCount", u"4");
  info->Items().Add(u"HeaderTextBold", u"TRUE");
  info->Items().Add(u"DrawGridLines", u"TRUE");
  XmlElem* skin = root->Items().Add(u"Skin");
  skin->Items().Add(u"SkinName", u"No Skin");
  skin->Items().Add(u"SkinPath");
  XmlElem* header = root->Items().Add(u"ColumnHeader");
  for (const char16_t* caption : {u"Prio", u"Aufgabe", u"Zeit", u"Notiz"}) {
    XmlElem* column = header->Items().Add(u"Column");
    column->Items().Add(u"ColumnCaption", caption);
    column->Items().Add(u"ColumnWidth", u"80");
    column->Items().Add(u"ColumnAlignment", u"LEFT");
  }
  XmlElem* content = root->Items().Add(u"ToDoContent");
  unsigned seed = 1;
  for (size_t row = 0; row < rows; ++row) {
    XmlElem* line = content->Items().Add(u"Column");
    for (int column = 0; column < 4; ++column) {
      seed = seed * 1103515245 + 12345;
      line->Items().Add(u"Text", kTexts[(seed >> 16) % std::size(kTexts)]);
    }
  }
}

std::string SheetFile(size_t targetBytes) {
  XmlDocument document;
  BuildSheet(document, 1000);
  size_t perThousandRows = document.SaveToBytes().size();
  BuildSheet(document, targetBytes * 1000 / perThousandRows);
  return document.SaveToBytes();
}

struct StringWriter : pugi::xml_writer {
  std::string out;
  void write(const void* data, size_t size) override { out.append(static_cast<const char*>(data), size); }
};

void ReadPendra(benchmark::State& state, const std::string& file) {
  XmlDocument document;
  for (auto _ : state) {
    document.LoadFromBytes(file);
    benchmark::DoNotOptimize(document.Root());
  }
}

void ReadPugixml(benchmark::State& state, const std::string& file) {
  pugi::xml_document document;
  for (auto _ : state) {
    if (!document.load_buffer(file.data(), file.size())) state.SkipWithError("pugixml refused the file");
    benchmark::DoNotOptimize(document.first_child());
  }
}

void ReadTinyxml2(benchmark::State& state, const std::string& file) {
  tinyxml2::XMLDocument document;
  for (auto _ : state) {
    if (document.Parse(file.data(), file.size()) != tinyxml2::XML_SUCCESS) state.SkipWithError("tinyxml2 refused");
    benchmark::DoNotOptimize(document.RootElement());
  }
}

void WritePendra(benchmark::State& state, const std::string& file) {
  XmlDocument document;
  document.LoadFromBytes(file);
  for (auto _ : state) benchmark::DoNotOptimize(document.SaveToBytes());
}

void WritePugixml(benchmark::State& state, const std::string& file) {
  pugi::xml_document document;
  document.load_buffer(file.data(), file.size());
  for (auto _ : state) {
    StringWriter writer;
    document.save(writer, "  ", pugi::format_default, pugi::encoding_utf8);
    benchmark::DoNotOptimize(writer.out);
  }
}

void WriteTinyxml2(benchmark::State& state, const std::string& file) {
  tinyxml2::XMLDocument document;
  document.Parse(file.data(), file.size());
  for (auto _ : state) {
    tinyxml2::XMLPrinter printer;
    document.Print(&printer);
    benchmark::DoNotOptimize(printer.CStr());
  }
}

// Live heap bytes of the whole program: every operator new and pugixml's allocations
// are counted, so that what a read document holds can be told.
size_t liveHeap = 0;

void* CountedMalloc(size_t size) {
  void* block = std::malloc(size);
  if (block != nullptr) liveHeap += malloc_usable_size(block);
  return block;
}

void CountedFree(void* block) {
  if (block != nullptr) liveHeap -= malloc_usable_size(block);
  std::free(block);
}

// The heap a document holds after reading the file, in bytes per byte of the file, and
// the page faults one read costs once the document has read the file before.
struct ReadCost {
  double heapPerByte;
  double faultsPerRead;
};

long MinorFaults() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

template <class Document, class Read>
ReadCost MeasureReadCost(const std::string& file, Read read) {
  size_t before = liveHeap;
  auto document = std::make_unique<Document>();
  read(*document);
  double heapPerByte = static_cast<double>(liveHeap - before) / static_cast<double>(file.size());
  constexpr int kReads = 5;
  long faults = MinorFaults();
  for (int i = 0; i < kReads; ++i) read(*document);
  return {heapPerByte, static_cast<double>(MinorFaults() - faults) / kReads};
}

void PrintReadCosts(const std::map<std::string, std::string>& files) {
  std::printf("\nHeap held after reading (x file size), page faults per read again\n");
  for (const auto& [size, contents] : files) {
    const std::string& file = contents;  // a binding cannot be captured
    ReadCost own = MeasureReadCost<XmlDocument>(file, [&file](XmlDocument& d) { d.LoadFromBytes(file); });
    ReadCost pugi = MeasureReadCost<pugi::xml_document>(
        file, [&file](pugi::xml_document& d) { d.load_buffer(file.data(), file.size()); });
    std::printf("%-5s  engine %5.2f x, %7.0f faults   pugixml %5.2f x, %7.0f faults\n", size.c_str(), own.heapPerByte,
                own.faultsPerRead, pugi.heapPerByte, pugi.faultsPerRead);
  }
}

// Paired rounds: each round times the engine and the other library right after each
// other, in alternating order, and takes the ratio of the two; the median of the rounds'
// ratios is printed. Pairing keeps a slow moment of a shared machine out of the ratio.
using Operation = std::function<void()>;

double SecondsPerRun(const Operation& operation, int runs) {
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < runs; ++i) operation();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
}

double MedianRatio(const Operation& own, const Operation& other) {
  constexpr int kRounds = 9;
  int runs = std::max(1, static_cast<int>(0.04 / SecondsPerRun(own, 1)));
  std::vector<double> ratios;
  for (int round = 0; round < kRounds; ++round) {
    double ownTime;
    double otherTime;
    if (round % 2 == 0) {
      ownTime = SecondsPerRun(own, runs);
      otherTime = SecondsPerRun(other, runs);
    } else {
      otherTime = SecondsPerRun(other, runs);
      ownTime = SecondsPerRun(own, runs);
    }
    ratios.push_back(otherTime / ownTime);
  }
  std::nth_element(ratios.begin(), ratios.begin() + kRounds / 2, ratios.end());
  return ratios[kRounds / 2];
}

void PrintPairedRatios(const std::map<std::string, std::string>& files) {
  std::printf("\nOther library's time / engine time, median of 9 paired rounds (above 1: the engine is faster)\n");
  for (const auto& [size, contents] : files) {
    const std::string& file = contents;  // a binding cannot be captured
    XmlDocument own;
    pugi::xml_document pugi;
    tinyxml2::XMLDocument tiny;
    Operation readOwn = [&] { own.LoadFromBytes(file); };
    Operation readPugi = [&] { pugi.load_buffer(file.data(), file.size()); };
    Operation readTiny = [&] { tiny.Parse(file.data(), file.size()); };
    std::printf("Read  %-5s  pugixml %5.2f   tinyxml2 %5.2f\n", size.c_str(), MedianRatio(readOwn, readPugi),
                MedianRatio(readOwn, readTiny));
    Operation writeOwn = [&] { benchmark::DoNotOptimize(own.SaveToBytes()); };
    Operation writePugi = [&] {
      StringWriter writer;
      pugi.save(writer, "  ", pugi::format_default, pugi::encoding_utf8);
      benchmark::DoNotOptimize(writer.out);
    };
    Operation writeTiny = [&] {
      tinyxml2::XMLPrinter printer;
      tiny.Print(&printer);
      benchmark::DoNotOptimize(printer.CStr());
    };
    std::printf("Write %-5s  pugixml %5.2f   tinyxml2 %5.2f\n", size.c_str(), MedianRatio(writeOwn, writePugi),
                MedianRatio(writeOwn, writeTiny));
  }
}

}  // namespace

void* operator new(size_t size) {
  if (void* block = CountedMalloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void* operator new[](size_t size) { return operator new(size); }
void operator delete(void* block) noexcept { CountedFree(block); }
void operator delete[](void* block) noexcept { CountedFree(block); }
void operator delete(void* block, size_t) noexcept { CountedFree(block); }
void operator delete[](void* block, size_t) noexcept { CountedFree(block); }

int main(int argc, char** argv) {
  pugi::set_memory_management_functions(CountedMalloc, CountedFree);
  const std::vector<std::pair<std::string, size_t>> sizes = {{"1MB", 1u << 20}, {"20MB", 20u << 20}};
  std::map<std::string, std::string> files;
  for (const auto& [name, bytes] : sizes) files[name] = SheetFile(bytes);

  using Function = void (*)(benchmark::State&, const std::string&);
  const std::pair<const char*, Function> benchmarks[] = {
      {"Read/pendra/", ReadPendra},   {"Read/pugixml/", ReadPugixml},   {"Read/tinyxml2/", ReadTinyxml2},
      {"Write/pendra/", WritePendra}, {"Write/pugixml/", WritePugixml}, {"Write/tinyxml2/", WriteTinyxml2},
  };
  for (const auto& [sizeName, bytes] : sizes) {
    const std::string& file = files[sizeName];
    for (const auto& [prefix, function] : benchmarks) {
      auto run = [function = function, &file](benchmark::State& state) {
        function(state, file);
        state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
      };
      benchmark::RegisterBenchmark((prefix + sizeName).c_str(), run)
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime()
          ->Repetitions(5)
          ->DisplayAggregatesOnly(true);
    }
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  for (const auto& [name, file] : files) std::printf("%s file: %zu bytes\n", name.c_str(), file.size());
  PrintReadCosts(files);
  PrintPairedRatios(files);
  benchmark::Shutdown();
  return 0;
}
