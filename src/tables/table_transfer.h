#pragma once

#include "tables/field_range.h"
#include "tables/param_image.h"

#include <vector>

// How whole tables travel: the frame size bounds the fields of one request, the
// flow-computer tables carry only the connected flow computers, the passwords of
// table 13 are never read, and the controller accepts a configuration only in
// its own order.
namespace TableTransfer {
inline constexpr int MaxReadBytes = 245;  // data bytes of one read answer
inline constexpr int MaxWriteBytes = 229; // data bytes of one write request

// Fields of the table one read answer or one write request can carry; 0 for a
// table without fields or a wrong number.
int fieldsPerRead(int table);
int fieldsPerWrite(int table);

// Byte 0 of table 9, at most the 16 flow computers the tables have room for.
int flowComputerCount(const ParamImage& image);
// The fields of the table that are transferred: the connected flow computers'
// for tables 13 and 17 to 20, else every field the controller holds.
int transferredFieldCount(int table, const ParamImage& image);

// The requests of a bulk read or write of the table, in order, each as large as
// allowed, the last taking the rest; no request for table 13 in a read.
// Tables 13 and 17 to 20 depend on table 9 as it is in the image now.
std::vector<FieldRange> readRequests(int table, const ParamImage& image);
std::vector<FieldRange> writeRequests(int table, const ParamImage& image);

// Configuration tables in the order of the bulk read: ascending, so table 9
// comes before the tables that depend on it; table 13 is left out.
std::vector<int> configurationReadOrder();
// Every configuration table in the order the controller demands when writing:
// 9, then 17 to 20, then 13, then the others ascending.
std::vector<int> configurationWriteOrder();
} // namespace TableTransfer
