/* Facts that a C translation unit computes with the stand-in's macros. */
#ifndef HEADER_FROM_C_H
#define HEADER_FROM_C_H

#ifdef __cplusplus
extern "C" {
#endif

typedef struct HeaderFacts {
    unsigned rgb;
    unsigned red;
    unsigned blue;
    int makeLong;
    unsigned lowOfNegative;
    unsigned highOfNegative;
    int intResource;
    int dialogProcSlot;
    int longSize;
    int colorrefSize;
} HeaderFacts;

void HeaderFromC(HeaderFacts* facts);

#ifdef __cplusplus
}
#endif

#endif
