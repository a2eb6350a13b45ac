#pragma once
// Short names for the record's columns, for the address-side tests.

#include "records/AddressRecord.h"

namespace {

enum Col {
    Name = records::ColName,
    Postal = records::ColPostal,
    Address1 = records::ColAddress1,
    Address2 = records::ColAddress2,
    Joint = records::ColJointName,
    Company = records::ColCompany,
    Title = records::ColTitle,
};

}  // namespace
