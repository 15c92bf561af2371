#pragma once

// The simulated controller's own memory map: how many fields each of its 38
// tables holds, how long a field is, and which tables form the configuration.
// It is the controller's view, kept apart from the program's catalogue on purpose.
class SimTableMap {
public:
    static constexpr int tableCount = 38;
    static constexpr int userTable = 4;
    static constexpr int dateTable = 2;
    static constexpr int portTable = 3;
    static constexpr int systemTable = 6;
    static constexpr int flowPortTable = 9;
    static constexpr int flowPasswordTable = 13;

    static bool exists(int table) { return table >= 0 && table < tableCount; }
    static int fieldCount(int table);
    static int fieldLength(int table);
    static int size(int table) { return fieldCount(table) * fieldLength(table); }
    static bool isConfiguration(int table);

    // Tables of measured values, logs and archive bounds, kept by the history generator.
    static bool isHistory(int table);

    // Tables with one field per flow computer, of which only the first N count.
    static bool isPerFlowComputer(int table);

    // Place of a table in the order in which a controller that is being configured
    // accepts its tables: 9, 17, 18, 19, 20, 13, then the others in ascending number.
    // The user table and the date are restored on their own and have no place (-1).
    static int restoreRank(int table);

    // Highest user level number (1 most privileged, 4 least) allowed to write the table.
    static int writeLevel(int table);
};
