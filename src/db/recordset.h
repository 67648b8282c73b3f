// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace keld {

// The whole result of one statement, held in memory, with a cursor.
// Every operation on an unopened recordset (a statement that failed, or
// after Close) raises DatabaseError; so does a field read without a current
// row or of a column the result does not have.
class Recordset {
public:
    int RecordCount() const;
    bool IsBOF() const;
    bool IsEOF() const;
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void Close();

    int FieldCount() const;
    std::string FieldName(int index) const;  // table order

    std::string ReadFieldText(const std::string& name) const;   // NULL reads as ""
    double ReadFieldNumber(const std::string& name) const;      // longest leading number, else 0
    double ReadFieldDouble(const std::string& name) const;      // NULL or non-number raises

    // (private representation is the db layer's choice)
};

}  // namespace keld
