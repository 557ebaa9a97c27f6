#pragma once
// The kinds the scale connection component works with; ordinals count from 0.

enum class TTypyPolaczenia { ANY, TCPIP, UDP, SERIAL, USB };
enum class TTypyWag { Waga_LP, Waga_RW, Waga_NT, Waga_POS };
enum class TRodzajeWag { Waga_LP15, Waga_LP16, Waga_LP17, Waga_LP20, Waga_CL5000 };
enum class TTypDzialania {
    NOTHING,
    GETINFO,
    UPLOAD,
    DOWNLOAD,
    DELETE,
    DELETEALL,
    READ,
    WRITE,
    INITSCALE,
    RESET,
    SETT,
    NORMAL,
    SEND
};
