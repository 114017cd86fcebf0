package org.example.shop;

import java.util.List;
import java.util.function.*;

/**
 * An order with its lines.
 * @author somebody
 */
public sealed interface Shape permits Circle, Square {}

public record Order(String id, List<Line> lines) {
    private static final long LIMIT = 1_000_000L;
    private static final int MASK = 0xFF, BITS = 0b1010;
    private static final double RATE = 2.5e-3d;
    private static final float HALF = .5f;

    /* An ordinary
       block comment */
    @Override
    public String toString() {
        var total = lines.stream().mapToInt(Line::cents).sum();
        char c = '\'';
        String json = """
            {"id": "%s", "total": %d}
            """.formatted(id, total);
        return switch (lines.size()) {
            case 0 -> "empty";
            default -> { yield "order " + id + "\n"; }
        };
    }
}

non-sealed class Square implements Shape {}
int invalid = 1 # 2;
