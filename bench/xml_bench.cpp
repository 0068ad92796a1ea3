// Reads and writes generated to-do sheet files of about 1 MB and 20 MB with the engine,
// pugixml and tinyxml2, then prints the engine's time relative to the others.
//
// Reading starts from the file's bytes in memory and ends with the tree; writing starts
// from the tree and ends with the file's bytes in memory. Throughput is counted in bytes of
// the same input file for every library, so the ratios are ratios of time.
#include <tinyxml2.h>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <pugixml.hpp>
#include <string>
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

// Of several repetitions the fastest is the one least disturbed by other work on the machine.
double Fastest(const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); }

// Keeps the fastest time per iteration of every benchmark, for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min" && !run.error_occurred) {
        times_[run.run_name.function_name] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  double Time(const std::string& name) const {
    auto found = times_.find(name);
    return found == times_.end() ? 0 : found->second;
  }

 private:
  std::map<std::string, double> times_;
};

void PrintRatios(const RatioReporter& reporter, const std::vector<std::string>& sizes) {
  std::printf("\nEngine time / other library's time (below 1: the engine is faster)\n");
  std::printf("Goals: reading <= 1 x tinyxml2 and <= 2 x pugixml; writing <= 1 x both\n");
  for (const char* operation : {"Read", "Write"}) {
    for (const std::string& size : sizes) {
      double own = reporter.Time(std::string(operation) + "/pendra/" + size);
      double pugi = reporter.Time(std::string(operation) + "/pugixml/" + size);
      double tiny = reporter.Time(std::string(operation) + "/tinyxml2/" + size);
      if (own == 0 || pugi == 0 || tiny == 0) continue;  // left out by --benchmark_filter
      double pugiGoal = operation == std::string("Read") ? 2.0 : 1.0;
      bool met = own <= pugiGoal * pugi && own <= tiny;
      std::printf("%-5s %-5s  vs pugixml %5.2f   vs tinyxml2 %5.2f   %s\n", operation, size.c_str(), own / pugi,
                  own / tiny, met ? "goal met" : "goal missed");
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::pair<std::string, size_t>> sizes = {{"1MB", 1u << 20}, {"20MB", 20u << 20}};
  std::map<std::string, std::string> files;
  for (const auto& [name, bytes] : sizes) files[name] = SheetFile(bytes);

  using Function = void (*)(benchmark::State&, const std::string&);
  const std::pair<const char*, Function> benchmarks[] = {
      {"Read/pendra/", ReadPendra},   {"Read/pugixml/", ReadPugixml},   {"Read/tinyxml2/", ReadTinyxml2},
      {"Write/pendra/", WritePendra}, {"Write/pugixml/", WritePugixml}, {"Write/tinyxml2/", WriteTinyxml2},
  };
  std::vector<std::string> sizeNames;
  for (const auto& [sizeName, bytes] : sizes) {
    sizeNames.push_back(sizeName);
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
          ->ComputeStatistics("min", Fastest)
          ->DisplayAggregatesOnly(true);
    }
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const auto& [name, file] : files) std::printf("%s file: %zu bytes\n", name.c_str(), file.size());
  PrintRatios(reporter, sizeNames);
  benchmark::Shutdown();
  return 0;
}
