// The same bytes as an unpacked CUSTOM.DB, CUSPLYR.DB and XFER.DB. Every reader must take
// exactly the complete records after the header without reading past the data, and what
// it read, written and read again, must come back the same: the writers must not shift,
// widen or lose a field that the readers hand out.

#include "exchange/ExchangeRecords.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

using namespace exchange;

namespace
{
template <class Record, class Read, class Write>
void checkStable(std::span<const uint8_t> bytes, CExchangeKind kind, Read read, Write write)
{
    const std::vector<Record> records = read(bytes);
    if (records.size() != recordCount(kind, bytes.size())) std::abort();
    const std::vector<uint8_t> written = write(std::span<const Record>(records));
    if (written.size() != kHeaderBytes + records.size() * recordBytes(kind)) std::abort();
    const std::vector<uint8_t> header = exchangeHeader(kind, records.size());
    if (!std::equal(header.begin(), header.end(), written.begin())) std::abort();
    const std::vector<Record> again = read(std::span<const uint8_t>(written));
    if (again.size() != records.size()) std::abort();
    if (write(std::span<const Record>(again)) != written) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    checkStable<CTeam>(bytes, CExchangeKind::Teams, readTeamFile, writeTeamFile);
    checkStable<CPlayer>(bytes, CExchangeKind::Players, readPlayerFile, writePlayerFile);
    checkStable<CTransferEntry>(bytes, CExchangeKind::Transfers, readTransferFile, writeTransferFile);

    // Transfer entries cover all 32 bits: the records must come back byte for byte.
    const std::vector<CTransferEntry> entries = readTransferFile(bytes);
    const std::vector<uint8_t> written = writeTransferFile(entries);
    for (std::size_t i = kHeaderBytes; i < written.size(); ++i)
        if (written[i] != data[i]) std::abort();
    return 0;
}
