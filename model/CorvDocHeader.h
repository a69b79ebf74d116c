// The text fields of a job's header, in the order in which the job file
// holds them, with the most characters each keeps. Every list entry is
// FIELD(name, width) where FIELD is one of three kinds:
//   CUT   - the setter keeps the first `width` characters;
//   UNCUT - the setter keeps the whole text (width unused);
//   RATE  - no plain setter: the freight rate changes only through the
//           document's freight operation, which recomputes the lines.
// The three groups are separated in the file by the integer fields and the
// three standard texts (introduction, notes, terms), which are declared
// separately.
#pragma once

// Customer, office and quotation: from CustomerNo to QuoteVersion.
#define CORV_HEADER_TEXTS_FIRST(CUT, UNCUT, RATE) \
    CUT(CustomerNo, 15)                           \
    CUT(Customer, 40)                             \
    CUT(CustAddrsLn1, 40)                         \
    CUT(CustAddrsLn2, 40)                         \
    CUT(CustAddrsLn3, 40)                         \
    CUT(CustCity, 25)                             \
    CUT(CustState, 2)                             \
    CUT(CustZip, 25)                              \
    CUT(CustCountry, 40)                          \
    CUT(CustAttn, 40)                             \
    CUT(CustPhone, 25)                            \
    CUT(CustFax, 25)                              \
    CUT(CustEmail, 40)                            \
    CUT(CustURL, 50)                              \
    CUT(OfficeNo, 15)                             \
    CUT(Office, 40)                               \
    CUT(OffAddrsLn1, 40)                          \
    CUT(OffAddrsLn2, 40)                          \
    CUT(OffAddrsLn3, 40)                          \
    CUT(OffCity, 25)                              \
    CUT(OffState, 2)                              \
    CUT(OffZip, 25)                               \
    CUT(OffCountry, 40)                           \
    CUT(OffContact, 40)                           \
    CUT(OffPhone, 25)                             \
    CUT(OffFax, 25)                               \
    CUT(OffEmail, 40)                             \
    CUT(OffURL, 50)                               \
    UNCUT(CorvNumber, 0)                          \
    CUT(QuoteNo, 20)                              \
    CUT(QuoteRev, 3)                              \
    CUT(QuoteVersion, 10)

// After QuoteCount: from QuoteDate to ReasonLost.
#define CORV_HEADER_TEXTS_MIDDLE(CUT, UNCUT, RATE) \
    CUT(QuoteDate, 10)                             \
    CUT(QuoteType, 10)                             \
    CUT(MarketGroup, 10)                           \
    CUT(SalesRegion, 10)                           \
    CUT(ProjectType, 25)                           \
    CUT(Project, 40)                               \
    CUT(ProjectLoc, 40)                            \
    CUT(Engineer, 40)                              \
    CUT(Packaging, 250)                            \
    CUT(Payment, 40)                               \
    CUT(Shipping, 40)                              \
    RATE(FreightRate, 10)                          \
    CUT(Freight, 100)                              \
    CUT(StartUp, 100)                              \
    CUT(CustRef, 40)                               \
    CUT(BidDate, 10)                               \
    CUT(BidTime, 5)                                \
    CUT(PreparedBy, 40)                            \
    CUT(Initials, 3)                               \
    CUT(PrepByTitle, 40)                           \
    CUT(PrepByEmail, 40)                           \
    CUT(FirstCC, 40)                               \
    CUT(FirstCCTitle, 40)                          \
    CUT(SecondCC, 40)                              \
    CUT(SecondCCTitle, 40)                         \
    CUT(Validity, 40)                              \
    CUT(Delivery, 40)                              \
    CUT(Status, 10)                                \
    CUT(ProbOfSuccess, 7)                          \
    CUT(LostTo, 15)                                \
    CUT(ExptAwardDate, 10)                         \
    CUT(Notes, 32000)                              \
    CUT(LastUpdate, 10)                            \
    CUT(LastUpdatedBy, 40)                         \
    CUT(SalesOrderNo, 10)                          \
    CUT(ReasonLost, 40)

// After the terms text: letterhead, ship-to, bill-to, purchase order and
// the user-defined fields, from CompanyName to UDC08.
#define CORV_HEADER_TEXTS_LAST(CUT, UNCUT, RATE) \
    CUT(CompanyName, 90)                         \
    CUT(Address, 90)                             \
    CUT(PhoneNo, 90)                             \
    CUT(FooterLn1, 90)                           \
    CUT(FooterLn2, 90)                           \
    CUT(ShipToName, 40)                          \
    CUT(ShipToAddrsLn1, 40)                      \
    CUT(ShipToAddrsLn2, 40)                      \
    CUT(ShipToCity, 25)                          \
    CUT(ShipToState, 2)                          \
    CUT(ShipToZip, 25)                           \
    CUT(ShipToAttn, 40)                          \
    CUT(BillToName, 40)                          \
    CUT(BillToAddrsLn1, 40)                      \
    CUT(BillToAddrsLn2, 40)                      \
    CUT(BillToCity, 25)                          \
    CUT(BillToState, 2)                          \
    CUT(BillToZip, 25)                           \
    CUT(BillToAttn, 40)                          \
    CUT(CustomerPO, 25)                          \
    CUT(PODate, 10)                              \
    CUT(POAmount, 10)                            \
    CUT(POShippingNotes, 100)                    \
    CUT(PORequestDate, 10)                       \
    CUT(POShipVia, 40)                           \
    CUT(UDC01, 40)                               \
    CUT(UDC02, 40)                               \
    CUT(UDC03, 250)                              \
    CUT(UDC04, 250)                              \
    CUT(UDC05, 10)                               \
    CUT(UDC06, 10)                               \
    CUT(UDC07, 6)                                \
    CUT(UDC08, 6)

// All three groups in file order (the integers and standard texts between
// them are not part of this list).
#define CORV_HEADER_TEXTS_ALL(CUT, UNCUT, RATE) \
    CORV_HEADER_TEXTS_FIRST(CUT, UNCUT, RATE)   \
    CORV_HEADER_TEXTS_MIDDLE(CUT, UNCUT, RATE)  \
    CORV_HEADER_TEXTS_LAST(CUT, UNCUT, RATE)
