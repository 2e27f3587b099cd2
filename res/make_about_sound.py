#!/usr/bin/env python3
"""about.wav: wave 146 of the About box, a short two-note chime (PCM, one
channel, 22050 samples per second, 8 bits, with a "fact" chunk). Run by
res/make_all.py."""

import io
import math
import struct
import wave

RATE = 22050
NOTES = ((880.0, 0.0), (1318.5, 0.12), (1760.0, 0.5))  # (frequency, start in seconds)
SAMPLE_COUNT = 35002                                    # about 1.6 seconds
LENGTH = SAMPLE_COUNT / RATE


def synthesise_chime():
    """8-bit unsigned samples: two decaying sine notes, the second entering later."""
    samples = bytearray()
    for n in range(SAMPLE_COUNT):
        t = n / RATE
        value = 0.0
        for frequency, start in NOTES:
            if t >= start:
                age = t - start
                value += 0.4 * math.exp(-age * 4.0) * math.sin(2 * math.pi * frequency * age)
        fade = min(1.0, (LENGTH - t) / 0.02)  # no click at the end
        samples.append(max(0, min(255, 128 + int(round(127 * value * fade)))))
    return bytes(samples)


def encode_wave(samples):
    """The wave module's RIFF file, with a "fact" chunk (the sample count) after "fmt "."""
    buffer = io.BytesIO()
    with wave.open(buffer, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(1)
        out.setframerate(RATE)
        out.writeframes(samples)
    riff = buffer.getvalue()
    data_at = riff.index(b"data")
    fact = b"fact" + struct.pack("<II", 4, len(samples))
    body = riff[12:data_at] + fact + riff[data_at:]
    return b"RIFF" + struct.pack("<I", 4 + len(body)) + b"WAVE" + body


def outputs():
    return {"res/about.wav": encode_wave(synthesise_chime())}
