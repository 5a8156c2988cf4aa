#pragma once

#include <QString>

// The vocabulary that the state store's writers (the sync-page handlers) and
// readers (models and screens) share. Neither side validates what the other
// wrote: a reader that finds nothing treats it as 0, false or absent.
namespace BucketKeys {

// Values of two-state keys; readers compare against "1".
inline constexpr char one[] = "1";
inline constexpr char zero[] = "0";
// Separator of the fields of composed keys and composed values.
inline constexpr char separator = '|';

// Bucket 0: statuses carried by link-level packets.
inline constexpr char sndrsslncd[] = "sndrsslncd";
inline constexpr char sndrsact[] = "sndrsact";
inline constexpr char sndrsoff[] = "sndrsoff";
inline constexpr char protnoff[] = "protnoff";
inline constexpr char sgnlngoff[] = "sgnlngoff";
inline constexpr char pwrsav[] = "pwrsav";
inline constexpr char extngshractv[] = "extngshractv";
inline constexpr char keySfDrOpn[] = "keySfDrOpn";
inline constexpr char keySfDrAlrm[] = "keySfDrAlrm";
inline constexpr char currNetMstr[] = "currNetMstr";
inline constexpr char debugPanelFwFlag[] = "debugPanelFwFlag";
inline constexpr char stdkeyswtch[] = "stdkeyswtch";
inline constexpr char daymode[] = "daymode";
inline constexpr char mstrstat[] = "mstrstat";

// Bucket 41: global configuration details.
inline constexpr char loopDspFmt[] = "loopDspFmt";
inline constexpr char retrctLgin[] = "retrctLgin";
inline constexpr char tmplateID[] = "tmplateID";
inline constexpr char timeKeeprNodeID[] = "timeKeeprNodeID";
inline constexpr char suprvisrNodeID[] = "suprvisrNodeID";
inline constexpr char mstrNodeID[] = "mstrNodeID";
inline constexpr char inclFltSgnlng[] = "inclFltSgnlng";
inline constexpr char mnlTxtRtrlSpt[] = "mnlTxtRtrlSpt";
inline constexpr char measureUnitTyp[] = "measureUnitTyp";
inline constexpr char en54part13Spt[] = "en54part13Spt";
inline constexpr char sndrRsmFltEnbld[] = "sndrRsmFltEnbld";
inline constexpr char mnlCfgSupLk6[] = "mnlCfgSupLk6";
inline constexpr char OtptSelfTstSpt[] = "OtptSelfTstSpt";
inline constexpr char ipLstPassTstDateSpt[] = "ipLstPassTstDateSpt";
inline constexpr char multiToneEnabled[] = "multiToneEnabled";

// Bucket 27: commissioning page. The flags are in the order of their bits
// 0-3 and 5-13 of the page's flag word (bit 4 has no key).
inline constexpr char loopShtDwn[] = "loopShtDwn";
inline constexpr char smplMds[] = "smplMds";
inline constexpr char optReEnbleTmr[] = "optReEnbleTmr";
inline constexpr char fastLgc[] = "fastLgc";
inline constexpr char rateOfRiseProc[] = "rateOfRiseProc";
inline constexpr char fastFlt[] = "fastFlt";
inline constexpr char detPwrUp[] = "detPwrUp";
inline constexpr char CommLvlUserLggedIn[] = "CommLvlUserLggedIn";
inline constexpr char noisyDev[] = "noisyDev";
inline constexpr char irSrvMod[] = "irSrvMod";
inline constexpr char rsmforced[] = "rsmforced";
inline constexpr char noRespReprtngInhibitd[] = "noRespReprtngInhibitd";
inline constexpr char QsctPrntgPsed[] = "QsctPrntgPsed";
inline constexpr char pollAddr255[] = "pollAddr255";
inline constexpr char devReplacement[] = "devReplacement";
inline constexpr char connectedService[] = "connectedService";

// Bucket 148: loop status values.
inline constexpr char lsr[] = "lsr";

// Bucket 5: panel status counts.
inline constexpr char fireAlrms[] = "fireAlrms";
inline constexpr char alarmWrngs[] = "alarmWrngs";
inline constexpr char pntsOnTst[] = "pntsOnTst";
inline constexpr char coDevsNrlyOld[] = "coDevsNrlyOld";
inline constexpr char coDevsOld[] = "coDevsOld";
inline constexpr char dsbldSndrOPs[] = "dsbldSndrO/Ps";
inline constexpr char dsbldNonSndrsOP[] = "dsbldNonSndrsO/P";
inline constexpr char pnlEntrdAlrm[] = "pnlEntrdAlrm";
inline constexpr char btryStat[] = "btryStat";
inline constexpr char dayDisbld[] = "dayDisbld";
inline constexpr char tstEqp[] = "tstEqp";
inline constexpr char dwnInhib[] = "dwnInhib";
inline constexpr char fullyDsbldFireZns[] = "fullyDsbldFireZns";
inline constexpr char prtlyDsbldFireZns[] = "prtlyDsbldFireZns";
inline constexpr char actvCtrls[] = "actvCtrls";
inline constexpr char loopDrMntrs[] = "loopDrMntrs";
inline constexpr char devsNrlyDrty[] = "devsNrlyDrty";
inline constexpr char devsDrty[] = "devsDrty";
inline constexpr char unrdyDevs[] = "unrdyDevs";

// Bucket 42: temporary patch data.
inline constexpr char tstCntLocal[] = "tstCntLocal";

// Key shapes. Numbers are decimal, without leading zeros.

// "7|fireAlrms": a panel's item (pages 5 and 27).
QString panelKey(unsigned int panel, const char *name);
// "7|": the prefix of every per-panel key of a panel.
QString panelPrefix(unsigned int panel);
// "7|smplMds|fastLgc": a panel's commissioning flag.
QString commissioningFlagKey(unsigned int panel, const char *flag);
// "lsr|7|2": the status record of one loop of a panel.
QString loopStatusKey(unsigned int panel, unsigned int loop);
// "measureUnitTyp|3|1": a unit's name in the first (1) or second (2) language.
QString measureUnitKey(unsigned int unitType, unsigned int languageSlot);

} // namespace BucketKeys

// How readers turn the stored texts back into values.
namespace BucketValues {

// Counts and flag values: a missing key or a text that is not a number is 0.
unsigned int toCount(const QString &value);
// Flag values ("0" or the bit's weight): any non-zero number is set.
bool isFlagSet(const QString &value);
// Two-state keys: set only when the value is "1".
bool isOne(const QString &value);
// true/false keys, read the way a variant converts text: empty, "0" and
// "false" are false.
bool toBool(const QString &value);
// Flag texts of one character per item ("0101"): set when the index lies
// within the text and its character is not '0'.
bool isFlagCharSet(const QString &flags, quint8 index);
// Composed values: the '|'-separated fields as numbers (0 where not a number).
QList<unsigned int> toNumbers(const QString &value);
// "tmplateID": only templates 1 and 2 exist; anything else is 0.
unsigned int toTemplateId(const QString &value);

} // namespace BucketValues
