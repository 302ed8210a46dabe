// The data sheet's fields: the station header of every report and the EDI result fields.
#pragma once

#include "model/widgets.hpp"
#include "text/text.hpp"

namespace loxar {

// The data-sheet fields that the log side fills.
struct DataSheet {
    DataSheet();  // reports/data_sheet: category lists filled, each at its dotted first entry
    Text tx_PCall, tx_PWWLo, tx_TDate_1, tx_TDate_2, tx_PExch, tx_PBand;
    Text tx_CDXCs = "0";  // claimed number of countries (dxcc_osszeszamlalas)

    // Station data sheet (reports/data_sheet): the other header fields, the remark
    // (typed lines joined by CR LF) and the category lists of the report headers.
    Text tx_TName, tx_PAdr1, tx_PAdr2, tx_PSect, tx_PClub, tx_RName, tx_RCall, tx_RAdr1, tx_RAdr2, tx_RPoCo,
        tx_RCity, tx_RCoun, tx_RPhon, tx_RHBBS, tx_MOpe1, tx_MOpe2, tx_STXEq, tx_SPowe, tx_SRXEq, tx_SAnte,
        tx_SAntH_ground, tx_SAntH_see;
    Text megjegyzes_text;
    Combo hadx_operator_combo, hadx_band_combo, hadx_power_combo, hadx_mod_combo, hadx_receiver_combo,
        hadx_station_combo, cqww_kategoria_combo, cqww_band_combo, cqww_power_combo, haqrp_kategoria_combo,
        rhob_kategoria_combo;
    // EDI result fields and remark of the report panel; clearing the sheet empties them too.
    Text tx_CQSOs, tx_CQSOMul, tx_CQSOP, tx_CWWLs, tx_CWWLBo, tx_CWWLMul, tx_CWWLB, tx_CExcs, tx_CExcsBo,
        tx_CExcsMul, tx_CExcB, tx_CDXCBo, tx_CDXCMul, tx_CDXCB, tx_CToSc, tx_CODXC, tx_CODXWWL, tx_CODXDis,
        tx_Remark, tx_QSORecords;
};

}  // namespace loxar
