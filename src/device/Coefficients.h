// Heat-flow coefficient sets: the set itself, its 62-byte device record, and
// the ".wmm" text file in which the coefficient dialog saves and loads the
// user sets.
//
// A set belongs to one medium (its descriptor) and holds ten coefficients in
// the meter's 6-byte real format. The coefficients are kept as those bytes, so
// a set read from the meter, written to a file and sent back is bit for bit
// what the meter holds, and the read-back check after a transfer compares
// bytes, not rounded numbers.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Bytes.h"
#include "core/Real48.h"

namespace gd {

class IFileStore;
class IMessages;

struct TWMMKoeffs {
  static constexpr std::size_t kCoefficientCount = 10;
  static constexpr std::size_t kRecordSize = 62;
  // Flag bits.
  static constexpr std::uint8_t kFactory = 0x01;   // came from the meter's factory table
  static constexpr std::uint8_t kSelected = 0x02;  // to be sent to the meter as a user set

  std::uint16_t descriptor = 0;  // code of the medium the set belongs to
  // h0, a1, a2, a3, a4, r0, b1, b2, b3, b4
  std::array<Real48, kCoefficientCount> coefficients{};
  std::uint8_t flags = 0;
  std::string comment;

  long double Value(std::size_t k) const { return Real48ToLongDouble(coefficients.at(k)); }
  void SetValue(std::size_t k, long double value) {
    coefficients.at(k) = LongDoubleToReal48(value);
  }
  bool IsFactory() const { return (flags & kFactory) != 0; }
  bool IsSelected() const { return (flags & kSelected) != 0; }

  // The device record: descriptor (u16) and the ten coefficients.
  Bytes ToRecord() const;
  // Reads descriptor and coefficients from the first 62 bytes of a device
  // record; flags and comment stay empty. Throws EGaugData when the record is
  // shorter than 62 bytes.
  static TWMMKoeffs FromRecord(ByteView record);
  // Descriptor and coefficients equal (what the meter stores of a set).
  bool SameRecord(const TWMMKoeffs& other) const {
    return descriptor == other.descriptor && coefficients == other.coefficients;
  }

  friend bool operator==(const TWMMKoeffs&, const TWMMKoeffs&) = default;
};

// Names of the ten coefficients in record order, as the file and the dialog
// label them: "h0", "a1" ... "b4".
extern const std::array<const char*, TWMMKoeffs::kCoefficientCount> kCoefficientNames;

// A set with the name of its medium, as files carry them.
struct NamedCoefficientSet {
  std::string name;
  TWMMKoeffs set;
};

// --- Writing ----------------------------------------------------------------

// What the file says about the program that wrote it and how numbers look.
struct CoefficientFileStyle {
  std::string programName = "GaugData";
  std::string deviceName = "GAUGEUNIT";
  char decimalSeparator = '.';
};

// The second banner line: 60 characters, '%' at both ends, naming the program
// and the device of the edition that writes the file.
std::string CoefficientBannerLine(const CoefficientFileStyle& style);

// A coefficient as the file writes it: general format with the fewest
// significant digits that read back as the same 6-byte value (at most twelve
// where twelve suffice, else up to fourteen), left-aligned in twelve
// characters, a '+' in front of values without a '-', never longer than 20
// characters.
std::string CoefficientValueText(long double value, char decimalSeparator = '.');

// The whole file (Windows-1252, CR LF after every line) for these sets.
std::string BuildCoefficientFile(const std::vector<NamedCoefficientSet>& sets,
                                 const CoefficientFileStyle& style = {});

// Writes the file through a temporary file beside `path` that replaces it
// only once it is complete: a failed write never leaves a partial file under
// the target's name. Errors are EGaugData exceptions naming the file.
void WriteCoefficientFile(IFileStore& files, const std::string& path,
                          const std::vector<NamedCoefficientSet>& sets,
                          const CoefficientFileStyle& style = {});

// --- Reading ----------------------------------------------------------------

// Result bits of ReadCoefficientRecord.
enum CoefficientReadFlags : std::uint16_t {
  kNoMoreDescriptor = 0x0001,  // the file ended before another "\DESCRIPTOR=" line
  kOutOfRange = 0x0002,        // descriptor outside 0 ... 65535
  kEmptyValue = 0x0004,        // nothing after the key
  kNotANumber = 0x0008,        // the token is no decimal number
  kBadDescriptor = 0x0010,     // the descriptor line failed
  kBadCoefficient = 0x0020,    // a coefficient line failed
  kRecordCutOff = 0x0040,      // the file ended inside the record
  kMissingEntry = 0x0080,      // descriptor or a coefficient not found or not valid
  kDuplicateKey = 0x0100,      // a key came twice in one record
  kRecordIncomplete = 0x8000,  // reading stopped before the record's end
};

// Reads a coefficient file line by line. Keeps the key table across records
// (values of keys a record does not carry stay those of the record before)
// and the number of lines read.
class CoefficientFileReader {
 public:
  static constexpr std::size_t kEntryCount = 13;
  // "\DESCRIPTOR=", "H0=" ... "B4=", "COMMENT=", "NAME=".
  static const std::array<const char*, kEntryCount> kKeys;

  struct Entry {
    long double value = 0;
    bool found = false;
    bool valid = false;
    bool duplicate = false;
  };

  // The file's text (Windows-1252; lines end in CR LF, LF or CR).
  explicit CoefficientFileReader(std::string text);

  struct Record {
    std::uint16_t flags = 0;  // 0: a complete, valid set
    TWMMKoeffs set;
    std::string name;
  };

  // ReadCoefficientRecord: the next set of the file.
  Record ReadCoefficientRecord();

  // Lines read so far.
  int LineCounter() const { return lineCounter_; }
  const std::array<Entry, kEntryCount>& Entries() const { return entries_; }
  // The report on the key table: the first entry with a problem, quoted, with
  // " NOT FOUND", " NOT VALID" and/or " DUPLICATE"; the last entry when none.
  std::string KeyReport() const;

 private:
  bool NextLine(std::string& line);

  std::string text_;
  std::size_t pos_ = 0;
  int lineCounter_ = 0;
  std::array<Entry, kEntryCount> entries_{};
};

// A coefficient text as the file and the edits hold it: a decimal number with
// "." or "," as separator, optional sign and exponent. False when it is no
// such number or lies beyond what the meter's 6-byte real holds.
bool ParseCoefficientValue(std::string text, long double& value);

// The outcome of reading a whole file.
struct CoefficientFileContent {
  std::vector<NamedCoefficientSet> sets;
  // The messages to show, already translated and filled: the syntax message
  // (when reading did not end cleanly) and the no-data message (when no set
  // was read). Empty when the file read without error.
  std::vector<std::string> errors;
};

// ReadCoefficientFile on a file's text: every complete set up to the first
// faulty record.
CoefficientFileContent ParseCoefficientFile(std::string text);

// Reads the file and shows its messages (as errors) through `messages`.
// Returns the sets read before the first faulty record. A file that cannot be
// read throws EGaugData naming it.
std::vector<NamedCoefficientSet> ReadCoefficientFile(IFileStore& files, const std::string& path,
                                                     IMessages& messages);

}  // namespace gd
