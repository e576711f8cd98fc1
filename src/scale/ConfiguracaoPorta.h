#pragma once

namespace mvf {

enum class TSerialParity { pNone, pOdd, pEven, pMark, pSpace };
enum class TSerialStop { s1, s1eMeio, s2 };
enum class THandShake { hsNenhum, hsXON_XOFF, hsRTS_CTS, hsDTR_DSR };

// The serial settings a port is opened with.
struct ConfiguracaoSerial {
    int Baud = 9600;
    int Data = 8;
    TSerialParity Parity = TSerialParity::pNone;
    TSerialStop Stop = TSerialStop::s1;
    THandShake HandShake = THandShake::hsNenhum;
    bool HardFlow = false;
    bool SoftFlow = false;
};

} // namespace mvf
