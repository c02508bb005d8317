/*
 * liborbel2: parses the texts of Chinese lunar (CHL) and Chinese solar (CHS)
 * dates into the records of the calendar engine. A plain C interface, so that
 * the program can bind it by name at run time.
 *
 * Texts, as the program passes them (blanks and commas deleted, the calendar
 * code cut off):
 *
 *   CHL  cycle-position-month[*]-day      79-20-9*-12  (leap month 9)
 *   CHS  cycle-position-term-day          2-1-1-1
 *
 * A cycle before the first carries a minus sign: -3-37-04-12 is month 4,
 * day 12 of the 37th year of cycle -3.
 *
 * A position of 0 (or "?", which reads as 0) asks for the element and animal
 * after the day, one blank, then element-animal: 70-?-12-30 water-dog.
 * Element and animal names are compared without regard to letter case.
 *
 * The functions write the fields listed below and always the valid flag
 * (1 accepted, 0 rejected); fields not reached before a failure keep their
 * values. A null text is rejected; a null record is left alone. They keep no
 * state, so calls from several threads may overlap.
 */
#ifndef ORBEL2_ORBEL2_H
#define ORBEL2_ORBEL2_H

#include <stdint.h>

#ifdef ORBEL2_BUILDING_LIBRARY
#define ORBEL2_EXPORT __attribute__((visibility("default")))
#else
#define ORBEL2_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Ten 32-bit signed integers, field for field the engine's ChlDate. */
typedef struct orbel2_chl_date {
    int32_t epoch;    /* not written */
    int32_t cycle;
    int32_t position; /* 1 to 60 */
    int32_t element;  /* 0 to 4, or -1 when the position was given */
    int32_t animal;   /* 0 to 11, or -1 when the position was given */
    int32_t month;    /* 1 to 12 */
    int32_t day;      /* 1 to 31 */
    int32_t valid;    /* 1 or 0, always written */
    int32_t jdn;      /* not written */
    int32_t leap;     /* 1 leap month, 0 ordinary */
} orbel2_chl_date;

/* Nine 32-bit signed integers, field for field the engine's ChsDate. */
typedef struct orbel2_chs_date {
    int32_t epoch;    /* not written */
    int32_t cycle;
    int32_t position; /* 1 to 60 */
    int32_t element;  /* 0 to 4, or -1 when the position was given */
    int32_t animal;   /* 0 to 11, or -1 when the position was given */
    int32_t term;     /* solar term 1 (winter solstice) to 24 */
    int32_t day;      /* 1 to 16 */
    int32_t valid;    /* 1 or 0, always written */
    int32_t jdn;      /* not written */
} orbel2_chs_date;

/* text: zero-terminated 8-bit text. */
ORBEL2_EXPORT void chl_datestr_to_chldate(const char* text, orbel2_chl_date* date);
ORBEL2_EXPORT void chs_datestr_to_chsdate(const char* text, orbel2_chs_date* date);

/* The types of the two exports, for binding them with dlsym. */
typedef void (*orbel2_chl_parser)(const char* text, orbel2_chl_date* date);
typedef void (*orbel2_chs_parser)(const char* text, orbel2_chs_date* date);

#ifdef __cplusplus
}
#endif

#endif /* ORBEL2_ORBEL2_H */
