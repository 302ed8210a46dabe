// The result fields of the EDI report.
#include "reports/result_fields.hpp"

namespace loxar {

namespace {

using D = DataSheet;

const std::array<ResultField, kResultFieldCount> kFields{{
    {0, "CQSOs", "tx_CQSOs", "Claimed number of valid QSO's", "0", &D::tx_CQSOs},
    {11, "CQSOMul", "tx_CQSOMul", "Band multiplier", "1", &D::tx_CQSOMul},
    {1, "CQSOP", "tx_CQSOP", "Claimed number of QSO-points", "0", &D::tx_CQSOP},
    {2, "CWWLs", "tx_CWWLs", "Valid number of WWL's", "0", &D::tx_CWWLs},
    {12, "CWWLBo", "tx_CWWLBo", "Bonus per each new WWL", "0", &D::tx_CWWLBo},
    {13, "CWWLMul", "tx_CWWLMul", "WWL multiplier", "1", &D::tx_CWWLMul},
    {3, "CWWLB", "tx_CWWLB", "Claimed number of WWL bonus points", "0", &D::tx_CWWLB},
    {4, "CExcs", "tx_CExcs", "Claimed number of Exchanges", "0", &D::tx_CExcs},
    {14, "CExcsBo", "tx_CExcsBo", "Bonus per each new Exchange", "0", &D::tx_CExcsBo},
    {15, "CExcsMul", "tx_CExcsMul", "Exchange multiplier", "1", &D::tx_CExcsMul},
    {5, "CExcB", "tx_CExcB", "Claimed number of Exchange bonus points", "0", &D::tx_CExcB},
    {6, "CDXCs", "tx_CDXCs", "Number of DXCC's", "0", &D::tx_CDXCs},
    {16, "CDXCBo", "tx_CDXCBo", "Bonus per each new DXCC", "0", &D::tx_CDXCBo},
    {17, "CDXCMul", "tx_CDXCMul", "DXCC multiplier", "1", &D::tx_CDXCMul},
    {7, "CDXCB", "tx_CDXCB", "Claimed number DXCC bonus", "0", &D::tx_CDXCB},
    {8, "CToSc", "tx_CToSc", "Claimed total score", "0", &D::tx_CToSc},
    {9, "CODXC", "tx_CODXC", "Callsign of best DX contact", "0", &D::tx_CODXC},
    {18, "CODXWWL", "tx_CODXWWL", "WWL  of best DX contact", "0", &D::tx_CODXWWL},
    {19, "CODXDis", "tx_CODXDis", "Distance  of best DX contact", "0", &D::tx_CODXDis},
    {10, "QSORecords", "tx_QSORecords", "Number of QSO records", "0", &D::tx_QSORecords},
}};

}  // namespace

const std::array<ResultField, kResultFieldCount>& result_fields() {
    return kFields;
}

ResultMultipliers result_multipliers(const DataSheet& sheet) {
    return {sheet.tx_CQSOMul, sheet.tx_CDXCMul, sheet.tx_CExcsMul};
}

void clear_results(DataSheet& sheet) {
    for (const ResultField& f : kFields) sheet.*f.member = f.cleared;
}

Text result_tag(int label_index) {
    for (const ResultField& f : kFields) {
        if (f.label_index == label_index) return f.tag;
    }
    return {};
}

}  // namespace loxar
