#!/usr/bin/env python3
"""Order processing.

A module docstring over several lines.
"""
from __future__ import annotations

import asyncio
from dataclasses import dataclass

MASK, MODE, BITS = 0xFF_FF, 0o755, 0b1010
RATE, BIG, IMAG = 1.5e-3, 1_000_000, 2j


@dataclass
class Order:
    '''An order.'''
    id: int
    total: float = 0.0

    def __repr__(self) -> str:
        return f"Order({self.id!r}, {self.total:.2f})"


async def fetch(orders: list[Order]) -> None:
    text = r'C:\path\n' + b'bytes' .decode() + rb"\d+" .decode()
    query = """SELECT *
FROM orders"""
    match orders:
        case [first, *rest] if first.total > 0:
            print(len(rest), type(first), __name__)
        case _:
            await asyncio.sleep(.5)
    lambda x: x is not None and x or nonlocal_name
    bad = $oops
    old = 0777
    unterminated = 'no end
